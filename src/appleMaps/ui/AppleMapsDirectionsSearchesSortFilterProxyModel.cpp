#include "AppleMapsDirectionsSearchesSortFilterProxyModel.h"

#include "SortRules.h"

#include "CryptLog/log/Log.h"

namespace appleMaps::ui {

bool AppleMapsDirectionsSearchesSortFilterProxyModel::LessThanImpl(int column, const QModelIndex& left, const QModelIndex& right) const
{
    // By column, as the model lays them out.
    static constexpr SortRule Rules[] = {
        DateLessThan, TextLessThan, PointLessThan, PointLessThan, TextLessThan,
        TextLessThan, TextLessThan, TextLessThan,  AddressLessThan,
    };
    if (const SortRule rule = RuleOfColumn(Rules, column))
        return rule(left, right);
    LOG_DEBUG << "Invalid column index: " << column;
    return false;
}

} // namespace appleMaps::ui
