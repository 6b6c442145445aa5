#pragma once

#include <optional>

namespace map {

class MapShapes;

// Longitudes in degrees. A span's east may exceed 180 when it crosses the date line.

// The shorter way from one longitude to another, in (-180, 180].
double ShortestLongitudeDelta(double from, double to);
// How far east from `west` to `east`, in [0, 360): a region that crosses the date line.
double EastwardLongitudeDelta(double west, double east);
// Into [-180, 180).
double NormalizedLongitude(double longitude);

struct GeoBox {
    double west;
    double south;
    double east;
    double north;
};

// The smallest box around every shape; across the date line when that is shorter. None for no
// shapes.
std::optional<GeoBox> BoundingBox(const MapShapes& shapes);

} // namespace map
