#pragma once

#include "QueryResult.h"

#include <boost/any.hpp>

#include <cstdint>
#include <string_view>

namespace cmn::db {

// The storage classes a cell can hold.
enum class CellType : std::uint8_t { Integer, Float, Text, Blob, Null };

// One cell's value without a copy of its bytes; `bytes` (TEXT as UTF-8, or BLOB) is valid while
// the result that holds the cell lives, and only `type` tells which member counts.
struct CellView {
    CellType type = CellType::Null;
    Int64 integer = 0;
    double real = 0.0;
    std::string_view bytes;
};

// The view of a Column's value; a value of a type no cell holds reads as NULL.
CellView ViewOf(const boost::any& value);

// A Column's value holding a copy of the cell.
boost::any ValueOf(const CellView& cell);

} // namespace cmn::db
