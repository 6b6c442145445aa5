#pragma once

#include "AppleMapsSortFilterProxyModelBase.h"

namespace appleMaps::ui {

// Favourites (AppleMapsBookmarksModel).
class AppleMapsBookmarksSortFilterProxyModel final : public AppleMapsSortFilterProxyModelBase {
public:
    using AppleMapsSortFilterProxyModelBase::AppleMapsSortFilterProxyModelBase;

    bool LessThanImpl(int column, const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace appleMaps::ui
