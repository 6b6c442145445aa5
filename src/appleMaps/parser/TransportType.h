#pragma once

#include <QString>

#include <cstdint>

namespace appleMaps::details {

// "Drive" (0), "Transit" (1) or "Walk" (2); any other stored value is logged and gives the empty
// text. The stored value is taken whole, so that no large value can alias a known one.
QString TransportTypeToString(std::int64_t type);

} // namespace appleMaps::details
