#pragma once

#include "AppleMapsSortFilterProxyModelBase.h"

namespace appleMaps::ui {

// Searches (AppleMapsSearchHistoryModel).
class AppleMapsSearchHistorySortFilterProxyModel final : public AppleMapsSortFilterProxyModelBase {
public:
    using AppleMapsSortFilterProxyModelBase::AppleMapsSortFilterProxyModelBase;

    bool LessThanImpl(int column, const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace appleMaps::ui
