#include "AppleMapsPlaceDisplaysModel.h"

#include "CryptLog/log/Log.h"

namespace appleMaps::ui {
namespace {

const char* const Headers[] = {
    QT_TRANSLATE_NOOP("cmn", "Date viewed"),  QT_TRANSLATE_NOOP("cmn", "Name"),
    QT_TRANSLATE_NOOP("cmn", "Coordinates"),  QT_TRANSLATE_NOOP("cmn", "Address"),
    QT_TRANSLATE_NOOP("cmn", "Phone number"), QT_TRANSLATE_NOOP("cmn", "Fax"),
    QT_TRANSLATE_NOOP("cmn", "Url"),
};

} // namespace

AppleMapsPlaceDisplaysModel::AppleMapsPlaceDisplaysModel(QObject* parent,
                                                         const std::vector<AppleMapsPlaceDisplayItem>* records)
    : AppleMapsRecordModelTemplate(parent, records, Headers)
{
}

QVariant AppleMapsPlaceDisplaysModel::data(const QModelIndex& index, int role) const
{
    const AppleMapsPlaceDisplayItem* record = RecordAt(index);
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
        return PointerCell(record->placePoint);
    case 3:
        return FirstAddressText(record->addresses);
    case 4:
        return PointerCell(record->telephone);
    case 5:
        return PointerCell(record->fax);
    case 6:
        return PointerCell(record->url);
    default:
        LOG_DEBUG << "Unexpected column index " << index.column();
        return {};
    }
}

} // namespace appleMaps::ui
