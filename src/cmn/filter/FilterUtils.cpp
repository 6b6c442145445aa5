#include "FilterUtils.h"

#include "FilterContext.h"
#include "ItemBaseInfo.h"

#include "CryptLog/log/Log.h"

#include <algorithm>

namespace cmn::filter::utils {

namespace {

ItemTemplate* FindDateItem(FilterContext& context)
{
    const auto found = std::find_if(context.items.begin(), context.items.end(),
                                    [](const ItemTemplate& item) { return item.type == DateItemType; });
    return found == context.items.end() ? nullptr : &*found;
}

void ResetShownCount(boost::any& holder, bool showAll)
{
    if (ItemBaseInfo* info = boost::any_cast<ItemBaseInfo>(&holder))
        info->shownCount = showAll ? info->totalCount : 0;
}

} // namespace

bool IsCorrupted(const ItemValue& item)
{
    const std::string* text = boost::any_cast<std::string>(&item.value);
    return text != nullptr && *text == CorruptedDataText;
}

ItemTemplate MakeDateItem(const QDateTime& from, const QDateTime& until, std::uint64_t totalCount)
{
    ItemTemplate item;
    item.kind = DateItemKind;
    item.type = DateItemType;
    item.values.resize(2);
    item.values[DateFromIndex].value = from;
    item.values[DateUntilIndex].value = until;
    item.extra = ItemBaseInfo{true, totalCount, 0};
    return item;
}

ItemTemplate* GetDateItemTemplate(FilterContext& context)
{
    ItemTemplate* item = FindDateItem(context);
    if (item == nullptr) {
        LOG_DEBUG << "No DateTime data";
    }
    return item;
}

ItemBaseInfo* GetDateItemBaseInfo(FilterContext& context)
{
    ItemTemplate* item = FindDateItem(context);
    ItemBaseInfo* info = item ? boost::any_cast<ItemBaseInfo>(&item->extra) : nullptr;
    if (info == nullptr) {
        LOG_DEBUG << "No DateTime data";
    }
    return info;
}

void ResetCounts(bool keep, FilterContext& context)
{
    for (ItemTemplate& item : context.items) {
        const bool isDateItem = item.type == DateItemType;
        ResetShownCount(item.extra, keep || isDateItem);
        if (isDateItem)
            continue;
        for (ItemValue& value : item.values)
            ResetShownCount(value.value, keep);
    }
}

} // namespace cmn::filter::utils
