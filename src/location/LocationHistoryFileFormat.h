#pragma once

namespace location {

// Formats a caller can ask the presenter to save records in; only KML is written.
enum class LocationHistoryFileFormat {
    Kml = 1,
};

} // namespace location
