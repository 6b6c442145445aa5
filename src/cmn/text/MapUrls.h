#pragma once

#include "location/Coordinates.h"

#include <QString>

namespace location {

// What a region link opens: its centre, and the zoom level at which the whole region fits.
struct RegionView {
    double centreLatitude = 0.0;
    double centreLongitude = 0.0;
    double zoom = 0.0; // infinite for a region without extent
};

RegionView GetRegionView(const MapRegion& region);

// Links into the web map service, numbers written as NumberText writes them.
QString PlaceUrl(const Coordinates& point);
QString DirectionsUrl(const Coordinates& start, const Coordinates& end);
QString RegionUrl(const MapRegion& region);

} // namespace location
