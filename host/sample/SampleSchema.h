#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace host::sample {

// The tables of the Apple Maps database, Addresses first.
enum class SampleTable { Addresses, PlaceBookmarks, RouteBookmarks, QuerySearches, PlaceDisplays, DirectionsSearches };

constexpr SampleTable kSampleTables[] = {SampleTable::Addresses,     SampleTable::PlaceBookmarks,
                                         SampleTable::RouteBookmarks, SampleTable::QuerySearches,
                                         SampleTable::PlaceDisplays,  SampleTable::DirectionsSearches};
constexpr std::size_t kSampleTableCount = sizeof(kSampleTables) / sizeof(kSampleTables[0]);

// One cell as it is bound: NULL, INTEGER, REAL or TEXT (UTF-8).
using SampleCell = std::variant<std::monostate, std::int64_t, double, std::string>;

struct SampleColumn {
    const char* name;
    // Coordinates carry no declared type, so that every value keeps the storage class it was
    // written with: older rows hold INTEGER latitudes, and REAL affinity would hide them.
    const char* declaredType;
};

struct SampleTableDefinition {
    const char* name;
    std::vector<SampleColumn> columns;
};

const SampleTableDefinition& TableDefinition(SampleTable table);

std::string CreateTableStatement(SampleTable table);
std::string InsertStatement(SampleTable table);

// A row of one table, its cells in column order, NULL until set.
class SampleRow {
public:
    explicit SampleRow(SampleTable table);

    SampleTable Table() const { return m_table; }
    const std::vector<SampleCell>& Cells() const { return m_cells; }

    // Throws std::out_of_range for a column the table does not have.
    void Set(const char* column, SampleCell value);
    const SampleCell& Get(const char* column) const;

private:
    std::size_t IndexOf(const char* column) const;

    SampleTable m_table;
    std::vector<SampleCell> m_cells;
};

} // namespace host::sample
