#pragma once

namespace appleMaps {
struct AppleMapsPlaceBookmarkItem;
struct AppleMapsPlaceDisplayItem;
} // namespace appleMaps

namespace appleMaps::details {

// A favourite has a location when either its place or its dropped pin has one.
bool IsBookmarkWithoutLocation(const AppleMapsPlaceBookmarkItem* bookmark);
bool IsPlaceDisplayWithoutLocation(const AppleMapsPlaceDisplayItem* placeDisplay);

} // namespace appleMaps::details
