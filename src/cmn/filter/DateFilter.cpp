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

namespace {

// The date item's state when it applies to records (an enabled context, a checked item with both
// bounds), with its bounds; null otherwise.
ItemBaseInfo* ApplyingDateItem(FilterContext& context, QDateTime& from, QDateTime& until)
{
    if (!context.enabled)
        return nullptr;
    ItemTemplate* dateItem = utils::GetDateItemTemplate(context);
    if (dateItem == nullptr || dateItem->values.size() < 2)
        return nullptr;
    ItemBaseInfo* info = boost::any_cast<ItemBaseInfo>(&dateItem->extra);
    if (info == nullptr || !info->checked)
        return nullptr;
    from = utils::GetItemValue<QDateTime>(dateItem->values[DateFromIndex]);
    until = utils::GetItemValue<QDateTime>(dateItem->values[DateUntilIndex]);
    return info;
}

} // namespace

bool PassesDateFilter(const QDateTime& value, FilterContext& context)
{
    QDateTime from;
    QDateTime until;
    ItemBaseInfo* info = ApplyingDateItem(context, from, until);
    if (info == nullptr || IsDateInRange(from, until, value))
        return true;
    // Counts restart from the total before each filtering pass; never wrap below zero.
    if (info->shownCount > 0)
        --info->shownCount;
    return false;
}

bool IsDateAccepted(const QDateTime& value, FilterContext& context)
{
    QDateTime from;
    QDateTime until;
    return ApplyingDateItem(context, from, until) == nullptr || IsDateInRange(from, until, value);
}

} // namespace cmn::filter
