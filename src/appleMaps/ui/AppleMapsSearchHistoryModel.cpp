#include "AppleMapsSearchHistoryModel.h"

namespace appleMaps::ui {
namespace {

const char* const Headers[] = {
    QT_TRANSLATE_NOOP("cmn", "Date"),
    QT_TRANSLATE_NOOP("cmn", "Search query"),
    QT_TRANSLATE_NOOP("cmn", "Address"),
    QT_TRANSLATE_NOOP("cmn", "Map region"),
};

} // namespace

AppleMapsSearchHistoryModel::AppleMapsSearchHistoryModel(
    QObject* parent, const std::vector<AppleMapsHistoryQuerySearchItem>* records)
    : AppleMapsRecordModelTemplate(parent, records, Headers)
{
}

QVariant AppleMapsSearchHistoryModel::data(const QModelIndex& index, int role) const
{
    const AppleMapsHistoryQuerySearchItem* record = RecordAt(index);
    if (record == nullptr)
        return {};
    if (role != Qt::DisplayRole)
        return NonDisplayValue(*record, index.column(), role);
    switch (index.column()) {
    case 0:
        return DisplayDate(record->timestamp);
    case 1:
        return PointerCell(record->query);
    case 2:
        return PointerCell(record->locationDisplayString);
    case 3:
        return PointerCell(record->mapRegion);
    default:
        return {};
    }
}

} // namespace appleMaps::ui
