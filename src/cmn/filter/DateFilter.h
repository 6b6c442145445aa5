#pragma once

class QDateTime;

namespace cmn::filter {

struct FilterContext;

// Compares calendar dates only, both bounds inclusive. Convert the value into the zone the
// user filters in before asking.
bool IsDateInRange(const QDateTime& from, const QDateTime& until, const QDateTime& value);

// Applies the context's date item to one record's date. Without an enabled context, a checked
// date item or both of its bounds the record passes. A failing record lowers the date item's
// shown count by one.
bool PassesDateFilter(const QDateTime& value, FilterContext& context);
// The same answer without touching the counts, for questions asked outside a filtering pass.
bool IsDateAccepted(const QDateTime& value, FilterContext& context);

} // namespace cmn::filter
