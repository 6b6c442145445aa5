#pragma once

#include "CellView.h"
#include "QueryResult.h"

#include <string_view>

namespace cmn::db {

// Text that a damaged cell holds in place of its data; every reader treats it as no value.
constexpr char CorruptedDataText[] = "<CORRUPTED DATA>";

// Each reader takes a cell either as a Column or as a CellView, with the same result.

bool IsNull(const CellView& cell);
bool IsNull(const Column& cell);

// INTEGER as is, FLOAT truncated toward zero (saturated at the ends of the range, NaN gives the
// default), anything else the default.
Int64 GetInt64(const CellView& cell, Int64 defaultValue = 0);
Int64 GetInt64(const Column& cell, Int64 defaultValue = 0);

// FLOAT only: an INTEGER cell gives the default as well.
double GetDouble(const CellView& cell, double defaultValue = 0.0);
double GetDouble(const Column& cell, double defaultValue = 0.0);

// TEXT only. The view is valid while the cell lives.
std::string_view GetString(const CellView& cell, std::string_view defaultValue = {});
std::string_view GetString(const Column& cell, std::string_view defaultValue = {});

} // namespace cmn::db
