#pragma once

#include <string>

namespace host::sample {

class SampleRandom;

struct SamplePoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

struct SampleAddress {
    std::string country;
    std::string countryCode;
    std::string administrativeArea;
    std::string administrativeAreaCode;
    std::string locality;
    std::string postCode;
    std::string thoroughfare;
    std::string subThoroughfare;
};

// A place someone looked at, bookmarked or went to. Empty texts are texts the place has none of.
struct SamplePlace {
    std::string name;
    SamplePoint point;
    std::string telephone;
    std::string fax;
    std::string url;
    SampleAddress address;
};

// What someone typed into the search field, the place text shown for it and the visible map.
struct SampleSearch {
    std::string query;
    std::string locationDisplayString;
    SamplePoint southWest;
    SamplePoint northEast;
};

// Plausible places in cities around the world, named in their own scripts (Latin, Cyrillic,
// Greek, CJK, Hangul, Arabic, Devanagari).
SamplePlace RandomPlace(SampleRandom& random);
// A point within `radiusDegrees` of `center`, corrected for the narrowing of longitudes.
SamplePoint RandomPointNear(const SamplePoint& center, double radiusDegrees, SampleRandom& random);
SampleSearch RandomSearch(SampleRandom& random);
// The title a person gives a favourite: the place's name or one of their own.
std::string RandomBookmarkTitle(const SamplePlace& place, SampleRandom& random);

} // namespace host::sample
