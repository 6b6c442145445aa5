#include "KmlSkipTests.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::details {

bool IsBookmarkWithoutLocation(const AppleMapsPlaceBookmarkItem* bookmark)
{
    return !location::HasLocation(bookmark->placePoint) && !location::HasLocation(bookmark->droppedPin);
}

bool IsPlaceDisplayWithoutLocation(const AppleMapsPlaceDisplayItem* placeDisplay)
{
    return !location::HasLocation(placeDisplay->placePoint);
}

} // namespace appleMaps::details
