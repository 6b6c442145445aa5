#pragma once

#include "cmn/Address.h"
#include "location/Coordinates.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace appleMaps {

// Every time is UTC as stored; a null time means the database held none.

// A favourite: a place bookmark or a route bookmark.
struct AppleMapsPlaceBookmarkItem {
    QDateTime timestamp;
    QString title; // place bookmarks only
    location::Coordinates placePoint;
    QString telephone;
    QString fax;
    QString url;
    QString name;
    std::vector<cmn::Address> addresses;
    location::Coordinates droppedPin; // place bookmarks only
    location::Route route;            // route bookmarks only: start, then end
    QString type;                     // "Place" or "Route"
};

// A search.
struct AppleMapsHistoryQuerySearchItem {
    QDateTime timestamp;
    QString query;
    QString locationDisplayString;
    location::MapRegion mapRegion; // the area visible when searching
};

// An explored place.
struct AppleMapsPlaceDisplayItem {
    QDateTime timestamp;
    location::Coordinates placePoint;
    QString telephone;
    QString fax;
    QString url;
    QString name;
    std::vector<cmn::Address> addresses;
};

// A directions search; the contact data and the addresses are the destination's.
struct AppleMapsDirectionSearchItem {
    QDateTime timestamp;
    QString transportType; // "Drive", "Transit", "Walk" or empty
    location::Coordinates startPoint;
    location::Coordinates endPoint;
    QString telephone;
    QString fax;
    QString url;
    QString name;
    std::vector<cmn::Address> addresses;
};

// All records of one backup, each vector in database row order.
struct AppleMapsRecords {
    std::vector<AppleMapsPlaceBookmarkItem> bookmarks; // place bookmarks, then route bookmarks
    std::vector<AppleMapsHistoryQuerySearchItem> querySearches;
    std::vector<AppleMapsPlaceDisplayItem> placeDisplays;
    std::vector<AppleMapsDirectionSearchItem> directionSearches;
};

} // namespace appleMaps
