#pragma once

namespace appleMaps {

// The one numbering of the record kinds: filter contexts, the toolbar, the filter manager, the
// presenter and both exports use it.
enum AppleMapsCategory : int {
    SearchesCategory = 0,           // AppleMapsHistoryQuerySearchItem
    FavoritesCategory = 1,          // AppleMapsPlaceBookmarkItem
    ExploredPlacesCategory = 2,     // AppleMapsPlaceDisplayItem
    DirectionsSearchesCategory = 3, // AppleMapsDirectionSearchItem
};

constexpr int FirstCategory = SearchesCategory;
constexpr int LastCategory = DirectionsSearchesCategory;
constexpr int CategoryCount = LastCategory + 1;

} // namespace appleMaps
