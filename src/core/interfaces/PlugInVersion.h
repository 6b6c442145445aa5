#pragma once

#include <cstdint>

namespace core {

// Field order is part of the binary contract with the host: major, minor, build, revision.
struct PlugInVersion {
    std::uint32_t versionMajor = 0;
    std::uint32_t versionMinor = 0;
    std::uint32_t build = 0;
    std::uint32_t revision = 0;
};

} // namespace core
