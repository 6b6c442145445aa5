#pragma once

#include "CellView.h"
#include "ResultTable.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cmn::db {

// Collects rows the way SELECT DISTINCT keeps them when it scans a table: the first of equal rows,
// in the order offered. Equal as SQLite compares under the binary collation: NULLs equal each
// other, an INTEGER and a FLOAT of the same value are equal, a TEXT never equals a BLOB, texts
// and blobs compare by their bytes. Kept rows are packed into a table, hashes on the side.
class DistinctRows final {
public:
    explicit DistinctRows(std::size_t columnCount);

    // Keeps the row (one cell per column) unless an equal one is kept already; true when kept.
    bool Add(const CellView* cells);

    std::size_t RowCount() const { return m_table.RowCount(); }
    // Leaves this object empty.
    ResultTable TakeTable();

private:
    bool RowEquals(std::size_t row, const CellView* cells) const;
    void Rehash(std::size_t slotCount);

    ResultTable m_table;
    std::vector<std::uint64_t> m_hashes;   // of each kept row
    std::vector<std::uint32_t> m_slots;    // open addressing: kept row + 1, 0 when free
    mutable std::vector<CellView> m_kept; // a kept row decoded for comparison
};

} // namespace cmn::db
