#include "ScreenProjection.h"

#include "GeoSpan.h"

#include <marble/ViewportParams.h>

#include <QtMath>

#include <cmath>

namespace map {

ScreenProjection::ScreenProjection(const Marble::ViewportParams& viewport)
    : m_viewport(viewport)
    , m_viewSize(viewport.size())
{
    // The projection is linear in longitude: the pixels of half the world, twice.
    qreal west = 0.0;
    qreal east = 0.0;
    qreal y = 0.0;
    m_viewport.screenCoordinates(qDegreesToRadians(-90.0), 0.0, west, y);
    m_viewport.screenCoordinates(qDegreesToRadians(90.0), 0.0, east, y);
    m_worldWidth = 2.0 * (east - west);
}

QPointF ScreenProjection::Pixel(const location::Coordinates& point) const
{
    qreal x = 0.0;
    qreal y = 0.0;
    m_viewport.screenCoordinates(qDegreesToRadians(point.longitude), qDegreesToRadians(point.latitude), x, y);
    return {x, y};
}

QLineF ScreenProjection::LinePixels(const location::Coordinates& start, const location::Coordinates& end) const
{
    const QPointF from = Pixel(start);
    const QPointF to = Pixel(end);
    return {from, QPointF(NearestCopy(to.x(), from.x()), to.y())};
}

QRectF ScreenProjection::RegionRect(const location::MapRegion& region) const
{
    const QPointF southWest = Pixel(region.southWest);
    const double width = EastwardLongitudeDelta(region.southWest.longitude, region.northEast.longitude)
        * PixelsPerDegree();
    return QRectF(QPointF(southWest.x(), Pixel(region.northEast).y()), QPointF(southWest.x() + width, southWest.y()))
        .normalized();
}

double ScreenProjection::LatitudeAtRow(double y) const
{
    // The flat projection shows latitudes up to this one; rows rise as latitudes grow.
    constexpr double EdgeLatitude = 85.0511;
    constexpr int Halvings = 48;
    location::Coordinates point;
    point.longitude = 0.0;
    double south = -EdgeLatitude;
    double north = EdgeLatitude;
    for (int step = 0; step < Halvings; ++step) {
        point.latitude = (south + north) / 2;
        if (Pixel(point).y() > y)
            south = point.latitude;
        else
            north = point.latitude;
    }
    return (south + north) / 2;
}

double ScreenProjection::NearestCopy(double x, double reference) const
{
    return x + std::round((reference - x) / m_worldWidth) * m_worldWidth;
}

int ScreenProjection::CopyIndex(double offset, bool roundUp) const
{
    const double copies = offset / m_worldWidth;
    return static_cast<int>(roundUp ? std::ceil(copies) : std::floor(copies));
}

} // namespace map
