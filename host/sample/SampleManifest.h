#pragma once

#include "SampleSchema.h"

#include <QString>

#include <array>
#include <cstdint>

namespace host::sample {

struct SampleTableCounts {
    std::uint64_t rows = 0;
    // Rows of the table's SELECT DISTINCT (which leaves the identifier out for searches).
    std::uint64_t distinctRows = 0;
    // Distinct non-NULL identifiers.
    std::uint64_t distinctIdentifiers = 0;
};

// What a sample backup holds, and so what reading it must yield.
struct SampleManifest {
    QString descriptorPath;
    QString databasePath;
    std::array<SampleTableCounts, kSampleTableCount> tables{};

    const SampleTableCounts& Counts(SampleTable table) const { return tables[static_cast<std::size_t>(table)]; }
    SampleTableCounts& Counts(SampleTable table) { return tables[static_cast<std::size_t>(table)]; }

    // The category size: distinct identifiers, summed over the five record tables.
    std::uint64_t CategorySize() const;
    std::uint64_t Searches() const;
    // Place and route bookmarks.
    std::uint64_t Favorites() const;
    std::uint64_t ExploredPlaces() const;
    std::uint64_t DirectionsSearches() const;
};

} // namespace host::sample
