#include "AppleMapsTables.h"

#include "ExportCategoryTable.h"
#include "TableCaptions.h"
#include "TableRowWriters.h"

#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::details {

void ExportAppleMapsTables(const AppleMapsRecords& records, const std::string& categoryName,
                           const exportReport::ExportContext& context)
{
    using exportReport::MakeCaptionMap;
    std::uint64_t counter = 0;
    ExportCategoryTable<AppleMapsHistoryQuerySearchItem>(
        records.querySearches, categoryName + " - Searches", SearchesCategory,
        MakeCaptionMap(QuerySearchColumnCount, GetQuerySearchColumnCaption), WriteQuerySearchRow, context, counter);
    ExportCategoryTable<AppleMapsPlaceBookmarkItem>(
        records.bookmarks, categoryName + " - Favorites", FavoritesCategory,
        MakeCaptionMap(BookmarkColumnCount, GetBookmarkColumnCaption), WriteBookmarkRow, context, counter);
    ExportCategoryTable<AppleMapsPlaceDisplayItem>(
        records.placeDisplays, categoryName + " - Explored places", ExploredPlacesCategory,
        MakeCaptionMap(PlaceDisplayColumnCount, GetPlaceDisplayColumnCaption), WritePlaceDisplayRow, context, counter);
    ExportCategoryTable<AppleMapsDirectionSearchItem>(
        records.directionSearches, categoryName + " - Directions searches", DirectionsSearchesCategory,
        MakeCaptionMap(DirectionsSearchColumnCount, GetDirectionsSearchColumnCaption), WriteDirectionsSearchRow,
        context, counter);
}

} // namespace appleMaps::details
