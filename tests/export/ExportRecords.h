#pragma once

#include "appleMaps/records/AppleMapsRecords.h"

#include <QDateTime>
#include <QMetaType>

namespace test {

inline location::Coordinates Point(double longitude, double latitude)
{
    return {longitude, latitude, 0.0};
}

inline QDateTime Utc(int year, int month, int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

inline cmn::Address KyivAddress()
{
    cmn::Address address;
    address.resolutionState = cmn::Address::Resolved;
    address.countryCode = "UA";
    address.locality = "Kyiv";
    address.thoroughfare = "Khreshchatyk";
    return address;
}

// A place favourite with every field filled.
inline appleMaps::AppleMapsPlaceBookmarkItem FullBookmark()
{
    appleMaps::AppleMapsPlaceBookmarkItem bookmark;
    bookmark.timestamp = Utc(2019, 3, 5, 14, 7);
    bookmark.title = "Home";
    bookmark.name = "Maidan";
    bookmark.placePoint = Point(30.5234, 50.4501);
    bookmark.addresses = {KyivAddress()};
    bookmark.droppedPin = Point(30.5, 50.4);
    bookmark.route = {Point(30.5, 50.4), Point(30.6, 50.45), Point(24.0, 49.8)};
    bookmark.url = "https://example.org/maidan";
    bookmark.telephone = "+380 44 000 00 00";
    bookmark.fax = "+380 44 000 00 01";
    bookmark.type = "Place";
    return bookmark;
}

inline appleMaps::AppleMapsPlaceDisplayItem FullPlaceDisplay()
{
    appleMaps::AppleMapsPlaceDisplayItem place;
    place.timestamp = Utc(2020, 1, 2, 8, 30);
    place.name = "Opera";
    place.placePoint = Point(30.5121, 50.4465);
    place.addresses = {KyivAddress()};
    place.telephone = "+380 44 111";
    place.fax = "+380 44 112";
    place.url = "https://example.org/opera";
    return place;
}

inline appleMaps::AppleMapsDirectionSearchItem FullDirectionsSearch()
{
    appleMaps::AppleMapsDirectionSearchItem search;
    search.timestamp = Utc(2021, 6, 7, 18, 0);
    search.transportType = "Walk";
    search.startPoint = Point(30.5234, 50.4501);
    search.endPoint = Point(30.5121, 50.4465);
    search.name = "Opera";
    search.telephone = "+380 44 111";
    search.fax = "+380 44 112";
    search.url = "https://example.org/opera";
    search.addresses = {KyivAddress()};
    return search;
}

inline appleMaps::AppleMapsHistoryQuerySearchItem FullQuerySearch()
{
    appleMaps::AppleMapsHistoryQuerySearchItem search;
    search.timestamp = Utc(2018, 11, 20, 10, 15);
    search.query = "coffee";
    search.locationDisplayString = "Kyiv, Ukraine";
    search.mapRegion = {Point(30.5, 50.4), Point(30.6, 50.45)};
    return search;
}

} // namespace test

Q_DECLARE_METATYPE(appleMaps::AppleMapsPlaceBookmarkItem)
Q_DECLARE_METATYPE(appleMaps::AppleMapsDirectionSearchItem)
Q_DECLARE_METATYPE(appleMaps::AppleMapsHistoryQuerySearchItem)
