#pragma once

#include <QString>

namespace appleMaps {

// Column captions of each record kind's table, translated; empty beyond the last column.
constexpr int BookmarkColumnCount = 11;
constexpr int DirectionsSearchColumnCount = 9;
constexpr int PlaceDisplayColumnCount = 7;
constexpr int QuerySearchColumnCount = 4;

QString GetBookmarkColumnCaption(int column);
QString GetDirectionsSearchColumnCaption(int column);
QString GetPlaceDisplayColumnCaption(int column);
QString GetQuerySearchColumnCaption(int column);

} // namespace appleMaps
