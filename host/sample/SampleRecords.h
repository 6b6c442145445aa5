#pragma once

#include "SampleRandom.h"
#include "SampleSchema.h"

#include <cstdint>
#include <string>
#include <vector>

namespace host::sample {

// A row of a record table with the Addresses rows of its identifier, and what it adds to the
// counts a reader sees: a row to the kind's SELECT DISTINCT, an identifier to the category size.
struct SampleEntry {
    SampleRow row;
    std::vector<SampleRow> addresses;
    bool newDistinctRow = true;
    bool newIdentifier = true;
};

// Makes the rows of one record table. Regular rows have identifiers unique in the table and
// times that rise with the row index, so no two of them are equal even without the identifier.
class SampleRecordFactory {
public:
    SampleRecordFactory(SampleTable table, std::uint64_t seed, std::uint64_t rowCount);

    SampleTable Table() const { return m_table; }

    SampleEntry Regular(std::uint64_t index);
    // A fresh record at a random time; `serial` keeps its identifier apart from every other one.
    SampleEntry Extra(std::uint64_t serial);

private:
    SampleEntry Make(std::uint64_t serial, std::int64_t timestamp);

    SampleTable m_table;
    std::uint64_t m_seed;
    std::int64_t m_timeStep;
    SampleRandom m_random;
};

// An UPPER-CASE UUID text, distinct for every serial of one seed and table.
std::string MakeIdentifier(std::uint64_t seed, SampleTable table, std::uint64_t serial);

// The address row of `identifier` with every field taken from `fields` (country first, in the
// table's column order); empty fields stay NULL.
SampleRow MakeAddressRow(const std::string& identifier, const std::vector<std::string>& fields);

} // namespace host::sample
