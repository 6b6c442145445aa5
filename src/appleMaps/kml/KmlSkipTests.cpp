#include "KmlSkipTests.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::details {

bool IsBookmarkWithoutLocation(const AppleMapsPlaceBookmarkItem* bookmark)
{
    return !location::IsPlaceable(bookmark->placePoint) && !location::IsPlaceable(bookmark->droppedPin);
}

bool IsPlaceDisplayWithoutLocation(const AppleMapsPlaceDisplayItem* placeDisplay)
{
    return !location::IsPlaceable(placeDisplay->placePoint);
}

} // namespace appleMaps::details
