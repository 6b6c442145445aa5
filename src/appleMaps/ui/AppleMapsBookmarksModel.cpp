#include "AppleMapsBookmarksModel.h"

namespace appleMaps::ui {
namespace {

const char* const Headers[] = {
    QT_TRANSLATE_NOOP("cmn", "Date created"), QT_TRANSLATE_NOOP("cmn", "Title"),
    QT_TRANSLATE_NOOP("cmn", "Places name"),  QT_TRANSLATE_NOOP("cmn", "Location"),
    QT_TRANSLATE_NOOP("cmn", "Address"),      QT_TRANSLATE_NOOP("cmn", "Dropped pin"),
    QT_TRANSLATE_NOOP("cmn", "Route"),        QT_TRANSLATE_NOOP("cmn", "Url"),
    QT_TRANSLATE_NOOP("cmn", "Phone number"), QT_TRANSLATE_NOOP("cmn", "Fax"),
    QT_TRANSLATE_NOOP("cmn", "Type"),
};

} // namespace

AppleMapsBookmarksModel::AppleMapsBookmarksModel(QObject* parent,
                                                 const std::vector<AppleMapsPlaceBookmarkItem>* records)
    : AppleMapsRecordModelTemplate(parent, records, Headers)
{
}

QVariant AppleMapsBookmarksModel::data(const QModelIndex& index, int role) const
{
    const AppleMapsPlaceBookmarkItem* record = RecordAt(index);
    if (record == nullptr)
        return {};
    if (role != Qt::DisplayRole)
        return NonDisplayValue(*record, index.column(), role);
    switch (index.column()) {
    case 0:
        return DisplayDate(record->timestamp);
    case 1:
        return PointerCell(record->title);
    case 2:
        return PointerCell(record->name);
    case 3:
        return PointerCell(record->placePoint);
    case 4:
        return FirstAddressText(record->addresses);
    case 5:
        return PointerCell(record->droppedPin);
    case 6:
        return PointerCell(record->route);
    case 7:
        return PointerCell(record->url);
    case 8:
        return PointerCell(record->telephone);
    case 9:
        return PointerCell(record->fax);
    case 10:
        return PointerCell(record->type);
    default:
        return {};
    }
}

} // namespace appleMaps::ui
