#pragma once

#include "location/Coordinates.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <cmath>

namespace Marble {
class ViewportParams;
}

namespace map {

// Pixels of coordinates on a flat projection that repeats the world side by side: Marble gives one
// pixel per coordinate, the copies lie whole world widths to the left and right of it.
class ScreenProjection final {
public:
    explicit ScreenProjection(const Marble::ViewportParams& viewport);

    // The pixel on the copy Marble chooses; x may lie off the view while a copy of it is on it.
    QPointF Pixel(const location::Coordinates& point) const;
    // Start and end on neighbouring copies: the line runs the shorter way round.
    QLineF LinePixels(const location::Coordinates& start, const location::Coordinates& end) const;
    // Eastward from the south-west corner, across the date line when the east is west of it.
    QRectF RegionRect(const location::MapRegion& region) const;
    double WorldWidth() const { return m_worldWidth; }
    double PixelsPerDegree() const { return m_worldWidth / 360.0; }
    QSize ViewSize() const { return m_viewSize; }

    // The shifts, in whole world widths, that bring the span [left, right] onto the view with
    // `margin` pixels to spare: calls draw(dx) for each.
    template <typename Draw> void ForEachCopy(double left, double right, double margin, Draw draw) const
    {
        if (!std::isfinite(left) || !std::isfinite(right))
            return;
        const int first = CopyIndex(-margin - right, true);
        const int last = CopyIndex(m_viewSize.width() + margin - left, false);
        for (int copy = first; copy <= last; ++copy)
            draw(copy * m_worldWidth);
    }

    // The latitude drawn at screen row y, found through the projection itself so that it agrees
    // with Pixel to a fraction of a pixel; rows beyond the map give the map's edge.
    double LatitudeAtRow(double y) const;
    // x moved by whole world widths to lie within half a world of `reference`.
    double NearestCopy(double x, double reference) const;

private:
    int CopyIndex(double offset, bool roundUp) const;

    const Marble::ViewportParams& m_viewport;
    QSize m_viewSize;
    double m_worldWidth;
};

} // namespace map
