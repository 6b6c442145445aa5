#include "AppleMapsSearchHistorySortFilterProxyModel.h"

#include "SortRules.h"

#include "CryptLog/log/Log.h"

namespace appleMaps::ui {

bool AppleMapsSearchHistorySortFilterProxyModel::LessThanImpl(int column, const QModelIndex& left, const QModelIndex& right) const
{
    // By column, as the model lays them out.
    static constexpr SortRule Rules[] = {
        SortRule::Date, SortRule::Text, SortRule::Text, SortRule::Region,
    };
    if (const std::optional<SortRule> rule = RuleOfColumn(Rules, column))
        return IsRowBefore(*rule, column, left, right);
    LOG_DEBUG << "Invalid column index: " << column;
    return false;
}

} // namespace appleMaps::ui
