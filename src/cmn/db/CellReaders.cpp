#include "CellReaders.h"

#include <cmath>
#include <limits>

namespace cmn::db {

bool IsNull(const Column& cell)
{
    return boost::any_cast<SqlNull>(&cell.value) != nullptr;
}

Int64 GetInt64(const Column& cell, Int64 defaultValue)
{
    if (const Int64* integer = boost::any_cast<Int64>(&cell.value))
        return *integer;
    const double* real = boost::any_cast<double>(&cell.value);
    if (!real || std::isnan(*real))
        return defaultValue;
    // -2^63 and 2^63 are exact doubles; a cast outside the range would be undefined.
    constexpr double limit = 9223372036854775808.0;
    if (*real >= limit)
        return std::numeric_limits<Int64>::max();
    if (*real < -limit)
        return std::numeric_limits<Int64>::min();
    return static_cast<Int64>(*real);
}

double GetDouble(const Column& cell, double defaultValue)
{
    const double* real = boost::any_cast<double>(&cell.value);
    return real ? *real : defaultValue;
}

std::string_view GetString(const Column& cell, std::string_view defaultValue)
{
    const std::string* text = boost::any_cast<std::string>(&cell.value);
    if (!text || *text == CorruptedDataText)
        return defaultValue;
    return *text;
}

} // namespace cmn::db
