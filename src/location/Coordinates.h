#pragma once

#include <cmath>
#include <vector>

namespace location {

// A geographic position. The default value is the "no location" marker: the parser leaves an
// axis at its marker when the database has no value for it.
struct Coordinates {
    static constexpr double NoLongitude = -181.0;
    static constexpr double NoLatitude = -91.0;

    double longitude = NoLongitude; // degrees east
    double latitude = NoLatitude;   // degrees north
    double altitude = 0.0;          // metres; never read from the database
};

inline bool operator==(const Coordinates& left, const Coordinates& right)
{
    return left.longitude == right.longitude && left.latitude == right.latitude
        && left.altitude == right.altitude;
}

inline bool operator!=(const Coordinates& left, const Coordinates& right)
{
    return !(left == right);
}

// False only for the exact no-location triple; a half-filled point counts as a location.
inline bool HasLocation(const Coordinates& point)
{
    return point != Coordinates();
}

// One axis stored, the other still at its marker.
inline bool IsHalfFilled(const Coordinates& point)
{
    return (point.longitude == Coordinates::NoLongitude) != (point.latitude == Coordinates::NoLatitude);
}

// True when the point can be drawn on a map or written to a geographic file: both axes finite, in
// range and not at their marker. The table still shows whatever was read.
inline bool IsPlaceable(const Coordinates& point)
{
    return std::isfinite(point.longitude) && std::isfinite(point.latitude)
        && point.longitude >= -180.0 && point.longitude <= 180.0
        && point.latitude >= -90.0 && point.latitude <= 90.0;
}

struct MapRegion {
    Coordinates southWest; // west longitude, south latitude
    Coordinates northEast; // east longitude, north latitude
};

// False when both corners are the no-location triple.
inline bool HasLocation(const MapRegion& region)
{
    return HasLocation(region.southWest) || HasLocation(region.northEast);
}

// Ordered points; a route bookmark holds its start and its end.
using Route = std::vector<Coordinates>;

} // namespace location
