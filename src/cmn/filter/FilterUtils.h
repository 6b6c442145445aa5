#pragma once

#include "ItemTemplate.h"

#include <QDateTime>

#include <cstdint>
#include <string>

namespace cmn::filter {

struct FilterContext;
struct ItemBaseInfo;

namespace utils {

// Text that a damaged value holds in place of its data.
constexpr char CorruptedDataText[] = "<CORRUPTED DATA>";

bool IsCorrupted(const ItemValue& item);

// The value of an item value, or defaultValue when it is empty, of another type or corrupted.
template <typename T>
T GetItemValue(const ItemValue& item, const T& defaultValue = T())
{
    if (IsCorrupted(item))
        return defaultValue;
    const T* value = boost::any_cast<T>(&item.value);
    return value ? *value : defaultValue;
}

// The date item of a category as the parser makes it: checked, nothing shown yet.
ItemTemplate MakeDateItem(const QDateTime& from, const QDateTime& until, std::uint64_t totalCount);

// The context's first date item, or null (logged at debug level).
ItemTemplate* GetDateItemTemplate(FilterContext& context);

// The state of the context's first date item, or null (logged at debug level).
ItemBaseInfo* GetDateItemBaseInfo(FilterContext& context);

// Restarts the shown counts before the records are filtered again: the date item shows all its
// records (failing ones are subtracted while filtering); other items and their values show all
// when keep is set, else none.
void ResetCounts(bool keep, FilterContext& context);

} // namespace utils
} // namespace cmn::filter
