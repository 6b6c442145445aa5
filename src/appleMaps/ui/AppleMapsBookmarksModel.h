#pragma once

#include "AppleMapsRecordModelTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

// Favourites, 11 columns.
class AppleMapsBookmarksModel final : public AppleMapsRecordModelTemplate<AppleMapsPlaceBookmarkItem, 4> {
public:
    AppleMapsBookmarksModel(QObject* parent, const std::vector<AppleMapsPlaceBookmarkItem>* records);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace appleMaps::ui
