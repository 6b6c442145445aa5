#include "ShapeHitTest.h"

#include "MapShapes.h"
#include "ScreenGeometry.h"
#include "ScreenProjection.h"
#include "ShapeStyle.h"

#include <cmath>
#include <limits>

namespace map {

namespace {

// The nearest shape so far and how near it is.
struct Nearest {
    explicit Nearest(double limit)
        : limit(limit)
    {
    }

    void Offer(int id, double distance)
    {
        if (distance <= limit && (!found || distance < best)) {
            found = id;
            best = distance;
        }
    }

    double limit;
    std::optional<int> found;
    double best = 0.0;
};

} // namespace

std::optional<int> HitShape(const MapShapes& shapes, const ScreenProjection& projection, const QPointF& pixel)
{
    Nearest point(style::HitTolerance);
    for (const MapPoint& shape : shapes.Points()) {
        const QPointF drawn = projection.Pixel(shape.position);
        const QPointF copy(projection.NearestCopy(drawn.x(), pixel.x()), drawn.y());
        point.Offer(shape.id, std::hypot(copy.x() - pixel.x(), copy.y() - pixel.y()));
    }
    if (point.found)
        return point.found;

    Nearest line(style::HitTolerance);
    for (const MapLine& shape : shapes.Lines()) {
        const QLineF drawn = projection.LinePixels(shape.start, shape.end);
        // The copy whose middle is nearest; a line is never longer than half a world.
        const double shift = projection.NearestCopy(drawn.center().x(), pixel.x()) - drawn.center().x();
        line.Offer(shape.id, DistanceToSegment(pixel, drawn.translated(shift, 0)));
    }
    if (line.found)
        return line.found;

    // Smaller regions first: a click inside nested regions means the innermost.
    Nearest area(std::numeric_limits<double>::infinity());
    for (const MapRectangle& shape : shapes.Rectangles()) {
        const QRectF drawn = projection.RegionRect(shape.region);
        const double shift = projection.NearestCopy(drawn.left(), pixel.x()) - drawn.left();
        const QRectF copy = drawn.translated(shift, 0).adjusted(-style::HitTolerance, -style::HitTolerance,
                                                               style::HitTolerance, style::HitTolerance);
        const QRectF previousCopy = copy.translated(-projection.WorldWidth(), 0);
        if (copy.contains(pixel) || previousCopy.contains(pixel))
            area.Offer(shape.id, drawn.width() * drawn.height());
    }
    return area.found;
}

} // namespace map
