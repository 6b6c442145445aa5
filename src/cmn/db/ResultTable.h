#pragma once

#include "CellView.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace cmn::db {

// A whole query result packed row after row into blocks of bytes, each cell as its type and
// value (a text as its length and its bytes), instead of an object per cell: the table takes
// little more memory than its data and a few allocations per thousand rows. Blocks never move,
// and they are small enough for the heap to hand them on once the table is gone.
// Cells are appended row by row, left to right; a row counts once all its cells are there.
class ResultTable final {
public:
    explicit ResultTable(std::size_t columnCount = 0);
    // A moved-from table is empty.
    ResultTable(ResultTable&& other) noexcept;
    ResultTable& operator=(ResultTable&& other) noexcept;

    std::size_t ColumnCount() const { return m_columnCount; }
    std::size_t RowCount() const { return m_rows.size(); }

    // Throws std::out_of_range outside the table and for a released row. The view's bytes are valid
    // while the row is kept.
    CellView Cell(std::size_t row, std::size_t column) const;
    // All cells of a row at once, into `cells` (room for ColumnCount()); unchecked.
    void ReadRow(std::size_t row, CellView* cells) const;

    // Frees the blocks that hold only rows before `row`, for a reader done with them: a table
    // converted into records need not stay whole beside them. RowCount() is unchanged.
    void ReleaseRowsBefore(std::size_t row);

    // Copies the cell's bytes.
    void Append(const CellView& cell);

    void swap(ResultTable& other) noexcept;

private:
    // Room for `size` more bytes of the row being appended, which moves to a new block when the
    // current one is full.
    char* Extend(std::size_t size);

    std::size_t m_columnCount;
    std::vector<const char*> m_rows; // where each complete row starts
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<std::size_t> m_blockFirstRows; // the first row each block holds
    std::size_t m_releasedBlocks = 0;
    std::size_t m_firstKeptRow = 0;
    char* m_rowStart = nullptr; // of the row being appended
    char* m_rowEnd = nullptr;
    char* m_blockEnd = nullptr;
    std::size_t m_rowCells = 0;
};

} // namespace cmn::db
