#include "TableCaptions.h"

#include <QCoreApplication>

#include <array>

namespace appleMaps {
namespace {

template <std::size_t Count>
QString Caption(const std::array<const char*, Count>& captions, int column)
{
    if (column < 0 || static_cast<std::size_t>(column) >= Count)
        return {};
    return QCoreApplication::translate("cmn", captions[static_cast<std::size_t>(column)]);
}

} // namespace

QString GetBookmarkColumnCaption(int column)
{
    static constexpr std::array<const char*, BookmarkColumnCount> captions = {
        QT_TRANSLATE_NOOP("cmn", "Date created"), QT_TRANSLATE_NOOP("cmn", "Title"),
        QT_TRANSLATE_NOOP("cmn", "Places name"),  QT_TRANSLATE_NOOP("cmn", "Location"),
        QT_TRANSLATE_NOOP("cmn", "Address"),      QT_TRANSLATE_NOOP("cmn", "Dropped pin"),
        QT_TRANSLATE_NOOP("cmn", "Route"),        QT_TRANSLATE_NOOP("cmn", "Url"),
        QT_TRANSLATE_NOOP("cmn", "Phone number"), QT_TRANSLATE_NOOP("cmn", "Fax"),
        QT_TRANSLATE_NOOP("cmn", "Type"),
    };
    return Caption(captions, column);
}

QString GetDirectionsSearchColumnCaption(int column)
{
    static constexpr std::array<const char*, DirectionsSearchColumnCount> captions = {
        QT_TRANSLATE_NOOP("cmn", "Date searched"), QT_TRANSLATE_NOOP("cmn", "Name"),
        QT_TRANSLATE_NOOP("cmn", "Start point"),   QT_TRANSLATE_NOOP("cmn", "End point"),
        QT_TRANSLATE_NOOP("cmn", "Transport"),     QT_TRANSLATE_NOOP("cmn", "Phone number"),
        QT_TRANSLATE_NOOP("cmn", "Fax"),           QT_TRANSLATE_NOOP("cmn", "Url"),
        QT_TRANSLATE_NOOP("cmn", "Address"),
    };
    return Caption(captions, column);
}

QString GetPlaceDisplayColumnCaption(int column)
{
    static constexpr std::array<const char*, PlaceDisplayColumnCount> captions = {
        QT_TRANSLATE_NOOP("cmn", "Date viewed"),  QT_TRANSLATE_NOOP("cmn", "Name"),
        QT_TRANSLATE_NOOP("cmn", "Coordinates"),  QT_TRANSLATE_NOOP("cmn", "Address"),
        QT_TRANSLATE_NOOP("cmn", "Phone number"), QT_TRANSLATE_NOOP("cmn", "Fax"),
        QT_TRANSLATE_NOOP("cmn", "Url"),
    };
    return Caption(captions, column);
}

QString GetQuerySearchColumnCaption(int column)
{
    static constexpr std::array<const char*, QuerySearchColumnCount> captions = {
        QT_TRANSLATE_NOOP("cmn", "Date"),
        QT_TRANSLATE_NOOP("cmn", "Search query"),
        QT_TRANSLATE_NOOP("cmn", "Address"),
        QT_TRANSLATE_NOOP("cmn", "Map region"),
    };
    return Caption(captions, column);
}

} // namespace appleMaps
