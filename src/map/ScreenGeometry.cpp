#include "ScreenGeometry.h"

#include <algorithm>
#include <cmath>

namespace map {

std::optional<QLineF> ClipLine(const QLineF& line, const QRectF& bounds)
{
    // Liang-Barsky: narrow the line's parameter range to each side of the rectangle in turn.
    const double dx = line.dx();
    const double dy = line.dy();
    double enter = 0.0;
    double leave = 1.0;
    const double steps[4] = {-dx, dx, -dy, dy};
    const double room[4] = {line.x1() - bounds.left(), bounds.right() - line.x1(), line.y1() - bounds.top(),
                            bounds.bottom() - line.y1()};
    for (int side = 0; side < 4; ++side) {
        if (steps[side] == 0.0) {
            if (room[side] < 0.0)
                return std::nullopt;
            continue;
        }
        const double crossing = room[side] / steps[side];
        if (steps[side] < 0.0)
            enter = std::max(enter, crossing);
        else
            leave = std::min(leave, crossing);
        if (enter > leave)
            return std::nullopt;
    }
    return QLineF(line.pointAt(enter), line.pointAt(leave));
}

double DistanceToSegment(const QPointF& point, const QLineF& segment)
{
    const double lengthSquared = segment.dx() * segment.dx() + segment.dy() * segment.dy();
    double along = 0.0;
    if (lengthSquared > 0.0) {
        along = ((point.x() - segment.x1()) * segment.dx() + (point.y() - segment.y1()) * segment.dy()) / lengthSquared;
        along = std::clamp(along, 0.0, 1.0);
    }
    const QPointF nearest = segment.pointAt(along);
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

} // namespace map
