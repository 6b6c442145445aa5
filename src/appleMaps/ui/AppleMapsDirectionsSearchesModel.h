#pragma once

#include "AppleMapsRecordModelTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

// Directions searches, 9 columns.
class AppleMapsDirectionsSearchesModel final
    : public AppleMapsRecordModelTemplate<AppleMapsDirectionSearchItem, 8> {
    Q_OBJECT

public:
    AppleMapsDirectionsSearchesModel(QObject* parent, const std::vector<AppleMapsDirectionSearchItem>* records);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace appleMaps::ui
