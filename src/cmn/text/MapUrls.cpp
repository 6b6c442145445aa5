#include "MapUrls.h"

#include "LocationText.h"

#include <algorithm>
#include <cmath>

namespace location {
namespace {

// Google Maps: its URLs take a place, a position with zoom and directions as path parameters.
// Directions go through the service's own maps host, the other links through the main one.
const QString& PlaceHost()
{
    static const QString host = QStringLiteral("https://www.google.com");
    return host;
}

const QString& DirectionsHost()
{
    static const QString host = QStringLiteral("https://maps.google.com");
    return host;
}

// Degrees of longitude that one tile spans at zoom 18 of the service.
constexpr double TileSpanAtZoom18 = 0.0027465728;
constexpr double Pi = 3.14159265358979323846;

} // namespace

RegionView GetRegionView(const MapRegion& region)
{
    const Coordinates& first = region.southWest;
    const Coordinates& second = region.northEast;
    RegionView view;
    view.centreLatitude = (first.latitude + second.latitude) * 0.5;
    view.centreLongitude = (first.longitude + second.longitude) * 0.5;
    const double latitudeSpan = std::abs(second.latitude - first.latitude);
    const double longitudeSpan = std::abs(second.longitude - first.longitude);
    const double meanLatitude = std::abs(first.latitude + second.latitude) * Pi / 360.0;
    const double latitudeZoom = std::log(latitudeSpan / TileSpanAtZoom18) / std::log(2.0);
    const double longitudeZoom = std::log(longitudeSpan / (std::cos(meanLatitude) * TileSpanAtZoom18)) / std::log(2.0);
    view.zoom = 18.0 - std::max(latitudeZoom, longitudeZoom);
    return view;
}

QString PlaceUrl(const Coordinates& point)
{
    return PlaceHost() + QStringLiteral("/maps/place/%2,%1").arg(NumberText(point.longitude), NumberText(point.latitude));
}

QString DirectionsUrl(const Coordinates& start, const Coordinates& end)
{
    return DirectionsHost()
        + QStringLiteral("/maps/dir/%1,%2/%3,%4")
              .arg(NumberText(start.latitude), NumberText(start.longitude), NumberText(end.latitude),
                   NumberText(end.longitude));
}

QString RegionUrl(const MapRegion& region)
{
    const RegionView view = GetRegionView(region);
    return PlaceHost()
        + QStringLiteral("/maps/@%1,%2,%3z")
              .arg(NumberText(view.centreLatitude), NumberText(view.centreLongitude), NumberText(view.zoom));
}

} // namespace location
