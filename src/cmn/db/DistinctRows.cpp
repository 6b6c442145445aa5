#include "DistinctRows.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace cmn::db {
namespace {

// -2^63 and 2^63 are exact doubles; an integral FLOAT in between has an INTEGER twin.
constexpr double IntegerLimit = 9223372036854775808.0;

bool HasIntegerTwin(double real)
{
    return real >= -IntegerLimit && real < IntegerLimit && std::trunc(real) == real;
}

std::uint64_t Mix(std::uint64_t value)
{
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    value ^= value >> 33;
    return value;
}

// Equal cells hash alike: a FLOAT with an INTEGER twin hashes as that integer.
std::uint64_t CellHash(const CellView& cell)
{
    switch (cell.type) {
    case CellType::Integer: return Mix(static_cast<std::uint64_t>(cell.integer));
    case CellType::Float: {
        if (HasIntegerTwin(cell.real))
            return Mix(static_cast<std::uint64_t>(static_cast<Int64>(cell.real)));
        std::uint64_t bits = 0;
        std::memcpy(&bits, &cell.real, sizeof bits);
        return Mix(bits ^ 0x5bd1e995);
    }
    case CellType::Text: return std::hash<std::string_view>()(cell.bytes) ^ 0x1;
    case CellType::Blob: return std::hash<std::string_view>()(cell.bytes) ^ 0x2;
    case CellType::Null: break;
    }
    return 0x3;
}

bool IsNumber(const CellView& cell)
{
    return cell.type == CellType::Integer || cell.type == CellType::Float;
}

bool NumbersEqual(const CellView& left, const CellView& right)
{
    if (left.type == CellType::Integer && right.type == CellType::Integer)
        return left.integer == right.integer;
    if (left.type == CellType::Float && right.type == CellType::Float)
        return left.real == right.real;
    const CellView& integer = left.type == CellType::Integer ? left : right;
    const CellView& real = left.type == CellType::Integer ? right : left;
    return HasIntegerTwin(real.real) && static_cast<Int64>(real.real) == integer.integer;
}

bool CellsEqual(const CellView& left, const CellView& right)
{
    if (IsNumber(left) && IsNumber(right))
        return NumbersEqual(left, right);
    if (left.type != right.type)
        return false;
    return left.type == CellType::Null || left.bytes == right.bytes;
}

} // namespace

DistinctRows::DistinctRows(std::size_t columnCount)
    : m_table(columnCount)
    , m_slots(1024)
    , m_kept(columnCount)
{
}

bool DistinctRows::Add(const CellView* cells)
{
    std::uint64_t hash = 0x9e3779b97f4a7c15ULL;
    for (std::size_t column = 0; column < m_table.ColumnCount(); ++column)
        hash = Mix(hash ^ CellHash(cells[column])) + column;
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t row = m_slots[slot] - 1;
        if (m_hashes[row] == hash && RowEquals(row, cells))
            return false;
    }
    if (m_table.RowCount() >= UINT32_MAX - 1)
        throw std::length_error("Too many distinct rows");
    for (std::size_t column = 0; column < m_table.ColumnCount(); ++column)
        m_table.Append(cells[column]);
    m_hashes.push_back(hash);
    m_slots[slot] = static_cast<std::uint32_t>(m_table.RowCount());
    // At most half full, so that probes stay short.
    if (m_table.RowCount() * 2 > m_slots.size())
        Rehash(m_slots.size() * 2);
    return true;
}

ResultTable DistinctRows::TakeTable()
{
    ResultTable table(m_table.ColumnCount());
    table.swap(m_table);
    m_hashes.clear();
    m_slots.assign(1024, 0);
    return table;
}

bool DistinctRows::RowEquals(std::size_t row, const CellView* cells) const
{
    m_table.ReadRow(row, m_kept.data());
    for (std::size_t column = 0; column < m_kept.size(); ++column) {
        if (!CellsEqual(m_kept[column], cells[column]))
            return false;
    }
    return true;
}

void DistinctRows::Rehash(std::size_t slotCount)
{
    m_slots.assign(slotCount, 0);
    const std::size_t mask = slotCount - 1;
    for (std::size_t row = 0; row < m_hashes.size(); ++row) {
        std::size_t slot = m_hashes[row] & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = static_cast<std::uint32_t>(row + 1);
    }
}

} // namespace cmn::db
