#include "MapShapes.h"

#include "GeoSpan.h"

namespace map {

namespace {

location::Coordinates Between(double longitude, double latitude)
{
    location::Coordinates point;
    point.longitude = NormalizedLongitude(longitude);
    point.latitude = latitude;
    point.altitude = 0.0;
    return point;
}

} // namespace

bool MapShapes::AddPoint(int id, const location::Coordinates& position, PointKind kind)
{
    if (!location::IsPlaceable(position))
        return false;
    m_points.push_back({id, position, kind});
    return true;
}

bool MapShapes::AddLine(int id, const location::Coordinates& start, const location::Coordinates& end)
{
    if (!location::IsPlaceable(start) || !location::IsPlaceable(end))
        return false;
    m_lines.push_back({id, start, end});
    return true;
}

bool MapShapes::AddRectangle(int id, const location::MapRegion& region)
{
    if (!location::IsPlaceable(region.southWest) || !location::IsPlaceable(region.northEast))
        return false;
    m_rectangles.push_back({id, region});
    return true;
}

int MapShapes::ShownCount() const
{
    return static_cast<int>(m_points.size() + m_lines.size() + m_rectangles.size());
}

std::optional<location::Coordinates> MapShapes::FindCentre(int id) const
{
    for (const MapPoint& point : m_points) {
        if (point.id == id)
            return point.position;
    }
    for (const MapLine& line : m_lines) {
        if (line.id == id)
            return Between(line.start.longitude + ShortestLongitudeDelta(line.start.longitude, line.end.longitude) / 2,
                           (line.start.latitude + line.end.latitude) / 2);
    }
    for (const MapRectangle& rectangle : m_rectangles) {
        if (rectangle.id != id)
            continue;
        const location::MapRegion& region = rectangle.region;
        return Between(region.southWest.longitude
                           + EastwardLongitudeDelta(region.southWest.longitude, region.northEast.longitude) / 2,
                       (region.southWest.latitude + region.northEast.latitude) / 2);
    }
    return std::nullopt;
}

} // namespace map
