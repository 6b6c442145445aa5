#include "AppleMapsDirectionsSearchesModel.h"

#include "CryptLog/log/Log.h"

namespace appleMaps::ui {
namespace {

const char* const Headers[] = {
    QT_TRANSLATE_NOOP("cmn", "Date searched"), QT_TRANSLATE_NOOP("cmn", "Name"),
    QT_TRANSLATE_NOOP("cmn", "Start point"),   QT_TRANSLATE_NOOP("cmn", "End point"),
    QT_TRANSLATE_NOOP("cmn", "Transport"),     QT_TRANSLATE_NOOP("cmn", "Phone number"),
    QT_TRANSLATE_NOOP("cmn", "Fax"),           QT_TRANSLATE_NOOP("cmn", "Url"),
    QT_TRANSLATE_NOOP("cmn", "Address"),
};

} // namespace

AppleMapsDirectionsSearchesModel::AppleMapsDirectionsSearchesModel(
    QObject* parent, const std::vector<AppleMapsDirectionSearchItem>* records)
    : AppleMapsRecordModelTemplate(parent, records, Headers)
{
}

QVariant AppleMapsDirectionsSearchesModel::data(const QModelIndex& index, int role) const
{
    const AppleMapsDirectionSearchItem* record = RecordAt(index);
    if (record == nullptr)
        return {};
    if (role != Qt::DisplayRole)
        return NonDisplayValue(*record, index.column(), role);
    switch (index.column()) {
    case 0:
        return DisplayDate(record->timestamp);
    case 1:
        return PointerCell(record->name);
    case 2:
        return PointerCell(record->startPoint);
    case 3:
        return PointerCell(record->endPoint);
    case 4:
        return PointerCell(record->transportType);
    case 5:
        return PointerCell(record->telephone);
    case 6:
        return PointerCell(record->fax);
    case 7:
        return PointerCell(record->url);
    case 8:
        return FirstAddressText(record->addresses);
    default:
        LOG_DEBUG << "Unexpected column index " << index.column();
        return {};
    }
}

} // namespace appleMaps::ui
