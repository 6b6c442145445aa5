#pragma once

#include "location/Coordinates.h"

#include <QString>

namespace location {

// Fixed-point with 7 decimals; exactly 0 prints "0".
QString NumberText(double value);

// Latitude first, then longitude ("50.4501000 30.5234000"), then the altitude when asked.
QString PointText(const Coordinates& point, bool withAltitude = false);

// The point texts of both corners, first corner first.
QString RegionText(const MapRegion& region);

// What a route cell shows and links: "show route", translated.
QString RouteText();

} // namespace location
