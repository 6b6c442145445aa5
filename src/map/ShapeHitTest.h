#pragma once

#include <QPointF>

#include <optional>

namespace map {

class MapShapes;
class ScreenProjection;

// The id of the shape drawn under a pixel, on whichever copy of the world: the nearest point
// within the hit tolerance, else the nearest line, else the smallest rectangle around the pixel.
std::optional<int> HitShape(const MapShapes& shapes, const ScreenProjection& projection, const QPointF& pixel);

} // namespace map
