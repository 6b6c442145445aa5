#pragma once

#include "AppleMapsRecordModelTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

// Explored places, 7 columns.
class AppleMapsPlaceDisplaysModel final : public AppleMapsRecordModelTemplate<AppleMapsPlaceDisplayItem, 3> {
    Q_OBJECT

public:
    AppleMapsPlaceDisplaysModel(QObject* parent, const std::vector<AppleMapsPlaceDisplayItem>* records);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace appleMaps::ui
