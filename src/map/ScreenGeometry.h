#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <optional>

namespace map {

// The part of a line inside a rectangle; none when it misses. Keeps the painter away from
// coordinates far beyond the view, which it does not draw reliably.
std::optional<QLineF> ClipLine(const QLineF& line, const QRectF& bounds);

double DistanceToSegment(const QPointF& point, const QLineF& segment);

} // namespace map
