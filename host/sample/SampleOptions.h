#pragma once

#include <cstdint>

namespace host::sample {

struct SampleOptions {
    // Regular rows in each of the five record tables; Addresses gets one row per record.
    std::uint64_t rowsPerTable = 1000;
    std::uint64_t seed = 1;
    bool edgeCases = false;
    bool binaryDescriptor = false;
};

} // namespace host::sample
