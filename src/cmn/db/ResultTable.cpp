#include "ResultTable.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace cmn::db {
namespace {

// Below the size for which the C library maps fresh pages from the system.
constexpr std::size_t BlockSize = 65536;

// Sizes take seven bits a byte, low bits first; the high bit says that more follow.
std::size_t SizeBytes(std::size_t size)
{
    std::size_t bytes = 1;
    for (; size >= 0x80; size >>= 7)
        ++bytes;
    return bytes;
}

char* WriteSize(char* at, std::size_t size)
{
    for (; size >= 0x80; size >>= 7)
        *at++ = static_cast<char>((size & 0x7F) | 0x80);
    *at++ = static_cast<char>(size);
    return at;
}

const char* ReadSize(const char* at, std::size_t& size)
{
    size = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        size |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return at;
    }
}

std::size_t EncodedSize(const CellView& cell)
{
    switch (cell.type) {
    case CellType::Integer: return 1 + sizeof(Int64);
    case CellType::Float: return 1 + sizeof(double);
    case CellType::Text:
    case CellType::Blob: return 1 + SizeBytes(cell.bytes.size()) + cell.bytes.size();
    case CellType::Null: break;
    }
    return 1;
}

// Decodes the cell at `at` into `cell` and returns where the next one starts.
const char* ReadCell(const char* at, CellView& cell)
{
    cell = CellView();
    cell.type = static_cast<CellType>(static_cast<unsigned char>(*at++));
    switch (cell.type) {
    case CellType::Integer:
        std::memcpy(&cell.integer, at, sizeof(Int64));
        return at + sizeof(Int64);
    case CellType::Float:
        std::memcpy(&cell.real, at, sizeof(double));
        return at + sizeof(double);
    case CellType::Text:
    case CellType::Blob: {
        std::size_t size = 0;
        at = ReadSize(at, size);
        cell.bytes = std::string_view(at, size);
        return at + size;
    }
    case CellType::Null: break;
    }
    return at;
}

} // namespace

ResultTable::ResultTable(std::size_t columnCount)
    : m_columnCount(columnCount)
{
}

ResultTable::ResultTable(ResultTable&& other) noexcept
    : ResultTable()
{
    swap(other);
}

ResultTable& ResultTable::operator=(ResultTable&& other) noexcept
{
    ResultTable(std::move(other)).swap(*this);
    return *this;
}

CellView ResultTable::Cell(std::size_t row, std::size_t column) const
{
    if (column >= m_columnCount || row >= m_rows.size() || row < m_firstKeptRow)
        throw std::out_of_range("Cell outside the result");
    CellView cell;
    const char* at = m_rows[row];
    for (std::size_t skipped = 0; skipped < column; ++skipped)
        at = ReadCell(at, cell);
    ReadCell(at, cell);
    return cell;
}

void ResultTable::ReadRow(std::size_t row, CellView* cells) const
{
    const char* at = m_rows[row];
    for (std::size_t column = 0; column < m_columnCount; ++column)
        at = ReadCell(at, cells[column]);
}

void ResultTable::ReleaseRowsBefore(std::size_t row)
{
    // The block being filled stays: the row in progress lives there.
    while (m_releasedBlocks + 1 < m_blocks.size() && m_blockFirstRows[m_releasedBlocks + 1] <= row) {
        m_blocks[m_releasedBlocks].reset();
        m_firstKeptRow = m_blockFirstRows[++m_releasedBlocks];
    }
}

void ResultTable::Append(const CellView& cell)
{
    char* at = Extend(EncodedSize(cell));
    *at++ = static_cast<char>(cell.type);
    switch (cell.type) {
    case CellType::Integer: std::memcpy(at, &cell.integer, sizeof(Int64)); break;
    case CellType::Float: std::memcpy(at, &cell.real, sizeof(double)); break;
    case CellType::Text:
    case CellType::Blob:
        at = WriteSize(at, cell.bytes.size());
        if (!cell.bytes.empty())
            std::memcpy(at, cell.bytes.data(), cell.bytes.size());
        break;
    case CellType::Null: break;
    }
    if (++m_rowCells == m_columnCount) {
        m_rows.push_back(m_rowStart);
        m_rowStart = m_rowEnd;
        m_rowCells = 0;
    }
}

void ResultTable::swap(ResultTable& other) noexcept
{
    std::swap(m_columnCount, other.m_columnCount);
    m_rows.swap(other.m_rows);
    m_blocks.swap(other.m_blocks);
    m_blockFirstRows.swap(other.m_blockFirstRows);
    std::swap(m_releasedBlocks, other.m_releasedBlocks);
    std::swap(m_firstKeptRow, other.m_firstKeptRow);
    std::swap(m_rowStart, other.m_rowStart);
    std::swap(m_rowEnd, other.m_rowEnd);
    std::swap(m_blockEnd, other.m_blockEnd);
    std::swap(m_rowCells, other.m_rowCells);
}

char* ResultTable::Extend(std::size_t size)
{
    if (static_cast<std::size_t>(m_blockEnd - m_rowEnd) < size) {
        const std::size_t rowSoFar = static_cast<std::size_t>(m_rowEnd - m_rowStart);
        const std::size_t blockSize = std::max(BlockSize, rowSoFar + size);
        m_blocks.emplace_back(new char[blockSize]);
        // A row begun in the block before moves here whole.
        m_blockFirstRows.push_back(m_rows.size());
        char* const block = m_blocks.back().get();
        if (rowSoFar != 0)
            std::memcpy(block, m_rowStart, rowSoFar);
        m_rowStart = block;
        m_rowEnd = block + rowSoFar;
        m_blockEnd = block + blockSize;
    }
    char* const at = m_rowEnd;
    m_rowEnd += size;
    return at;
}

} // namespace cmn::db
