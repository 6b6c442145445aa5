#include "CellReaders.h"

#include <cmath>
#include <limits>

namespace cmn::db {

bool IsNull(const CellView& cell)
{
    return cell.type == CellType::Null;
}

bool IsNull(const Column& cell)
{
    return boost::any_cast<SqlNull>(&cell.value) != nullptr;
}

Int64 GetInt64(const CellView& cell, Int64 defaultValue)
{
    if (cell.type == CellType::Integer)
        return cell.integer;
    if (cell.type != CellType::Float || std::isnan(cell.real))
        return defaultValue;
    // -2^63 and 2^63 are exact doubles; a cast outside the range would be undefined.
    constexpr double limit = 9223372036854775808.0;
    if (cell.real >= limit)
        return std::numeric_limits<Int64>::max();
    if (cell.real < -limit)
        return std::numeric_limits<Int64>::min();
    return static_cast<Int64>(cell.real);
}

Int64 GetInt64(const Column& cell, Int64 defaultValue)
{
    return GetInt64(ViewOf(cell.value), defaultValue);
}

double GetDouble(const CellView& cell, double defaultValue)
{
    return cell.type == CellType::Float ? cell.real : defaultValue;
}

double GetDouble(const Column& cell, double defaultValue)
{
    return GetDouble(ViewOf(cell.value), defaultValue);
}

std::string_view GetString(const CellView& cell, std::string_view defaultValue)
{
    if (cell.type != CellType::Text || cell.bytes == CorruptedDataText)
        return defaultValue;
    return cell.bytes;
}

std::string_view GetString(const Column& cell, std::string_view defaultValue)
{
    return GetString(ViewOf(cell.value), defaultValue);
}

} // namespace cmn::db
