#pragma once

#include "SampleRecords.h"

#include <vector>

namespace host::sample {

// The awkward rows a reader must survive, for the table of `factory`: NULL cells, the -180.0
// marker on one axis, "<CORRUPTED DATA>" texts, INTEGER latitudes, timestamp 0, an exact
// duplicate, a reused identifier, identifiers without an address and with several, a NULL
// identifier, very long non-ASCII texts; searches repeated under a new identifier; unknown
// transport types. Each entry says what it adds to the counts.
std::vector<SampleEntry> MakeEdgeCases(SampleRecordFactory& factory);

// Addresses whose identifier no record has.
std::vector<SampleRow> MakeOrphanAddresses(std::uint64_t seed);

} // namespace host::sample
