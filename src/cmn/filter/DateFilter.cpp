#include "DateFilter.h"

#include "FilterContext.h"
#include "FilterUtils.h"
#include "ItemBaseInfo.h"

#include <QDateTime>

namespace cmn::filter {

bool IsDateInRange(const QDateTime& from, const QDateTime& until, const QDateTime& value)
{
    if (!value.isValid())
        return false;
    const QDate date = value.date();
    return date >= from.date() && date <= until.date();
}

bool PassesDateFilter(const QDateTime& value, FilterContext& context)
{
    if (!context.enabled)
        return true;
    ItemTemplate* dateItem = utils::GetDateItemTemplate(context);
    if (dateItem == nullptr || dateItem->values.size() < 2)
        return true;
    ItemBaseInfo* info = boost::any_cast<ItemBaseInfo>(&dateItem->extra);
    if (info == nullptr || !info->checked)
        return true;

    const QDateTime from = utils::GetItemValue<QDateTime>(dateItem->values[DateFromIndex]);
    const QDateTime until = utils::GetItemValue<QDateTime>(dateItem->values[DateUntilIndex]);
    if (IsDateInRange(from, until, value))
        return true;
    // Counts restart from the total before each filtering pass; never wrap below zero.
    if (info->shownCount > 0)
        --info->shownCount;
    return false;
}

} // namespace cmn::filter
