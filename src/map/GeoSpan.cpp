#include "GeoSpan.h"

#include "MapShapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace map {

double ShortestLongitudeDelta(double from, double to)
{
    return -NormalizedLongitude(from - to);
}

double EastwardLongitudeDelta(double west, double east)
{
    const double delta = std::fmod(east - west, 360.0);
    return delta < 0.0 ? delta + 360.0 : delta;
}

double NormalizedLongitude(double longitude)
{
    return EastwardLongitudeDelta(-180.0, longitude) - 180.0;
}

namespace {

// A stretch of longitudes eastward from `west`, `length` degrees long.
struct LongitudeArc {
    double west;
    double length;
};

// The widest stretch no arc covers, as an arc; none when the arcs cover every longitude.
std::optional<LongitudeArc> WidestGap(std::vector<LongitudeArc> arcs)
{
    std::sort(arcs.begin(), arcs.end(),
              [](const LongitudeArc& left, const LongitudeArc& right) { return left.west < right.west; });
    // Two rounds: the first only learns how far arcs reach past the date line into the second.
    std::optional<LongitudeArc> widest;
    double reach = arcs.front().west;
    for (int round = 0; round < 2; ++round) {
        for (const LongitudeArc& arc : arcs) {
            const double west = arc.west + 360.0 * round;
            if (round == 1 && west > reach && (!widest || west - reach > widest->length))
                widest = LongitudeArc{reach, west - reach};
            reach = std::max(reach, west + arc.length);
        }
    }
    return widest;
}

} // namespace

std::optional<GeoBox> BoundingBox(const MapShapes& shapes)
{
    std::vector<LongitudeArc> arcs;
    double south = 90.0;
    double north = -90.0;
    auto addLatitudes = [&](const location::Coordinates& first, const location::Coordinates& second) {
        south = std::min({south, first.latitude, second.latitude});
        north = std::max({north, first.latitude, second.latitude});
    };
    for (const MapPoint& point : shapes.Points()) {
        arcs.push_back({NormalizedLongitude(point.position.longitude), 0.0});
        addLatitudes(point.position, point.position);
    }
    for (const MapLine& line : shapes.Lines()) {
        const double delta = ShortestLongitudeDelta(line.start.longitude, line.end.longitude);
        const double west = delta >= 0.0 ? line.start.longitude : line.end.longitude;
        arcs.push_back({NormalizedLongitude(west), std::abs(delta)});
        addLatitudes(line.start, line.end);
    }
    for (const MapRectangle& rectangle : shapes.Rectangles()) {
        const location::MapRegion& region = rectangle.region;
        arcs.push_back({NormalizedLongitude(region.southWest.longitude),
                        EastwardLongitudeDelta(region.southWest.longitude, region.northEast.longitude)});
        addLatitudes(region.southWest, region.northEast);
    }
    if (arcs.empty())
        return std::nullopt;
    const std::optional<LongitudeArc> gap = WidestGap(std::move(arcs));
    if (!gap)
        return GeoBox{-180.0, south, 180.0, north};
    const double west = NormalizedLongitude(gap->west + gap->length);
    return GeoBox{west, south, west + 360.0 - gap->length, north};
}

} // namespace map
