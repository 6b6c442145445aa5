#pragma once

#include "location/Coordinates.h"

#include <QString>

#include <functional>

namespace appleMaps::details {

// Turns a point into the text of one KML coordinate.
using CoordinateFormatter = std::function<QString(const location::Coordinates&)>;

// "lon lat alt" for a gx:coord; "lon lat" without the altitude.
QString FormatTrackCoordinates(const location::Coordinates& point, bool withAltitude);
// "lon,lat,alt" for a LineString's coordinates; "lon lat" without the altitude.
QString FormatLineCoordinates(const location::Coordinates& point, bool withAltitude);

} // namespace appleMaps::details
