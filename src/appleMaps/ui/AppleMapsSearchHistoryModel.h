#pragma once

#include "AppleMapsRecordModelTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

// Searches, 4 columns. The address column is a plain text field of the record.
class AppleMapsSearchHistoryModel final
    : public AppleMapsRecordModelTemplate<AppleMapsHistoryQuerySearchItem, NoAddressColumn> {
    Q_OBJECT

public:
    AppleMapsSearchHistoryModel(QObject* parent, const std::vector<AppleMapsHistoryQuerySearchItem>* records);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace appleMaps::ui
