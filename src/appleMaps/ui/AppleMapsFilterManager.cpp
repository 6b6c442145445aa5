#include "AppleMapsFilterManager.h"

#include "AppleMapsBookmarksFilter.h"
#include "AppleMapsDirectionsSearchesFilter.h"
#include "AppleMapsPlaceDisplaysFilter.h"
#include "AppleMapsSearchHistoryFilter.h"

#include "CryptLog/log/Log.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "pluginGui/IStackedFilter.h"

#include <memory>

namespace appleMaps::ui {

AppleMapsFilterManager::AppleMapsFilterManager(pluginGui::IStackedFilter& presenter)
    : FilterManagerBase(FirstCategory, LastCategory)
{
    auto bookmarks = std::make_unique<AppleMapsBookmarksFilter>(&presenter.GetFilterContext(FavoritesCategory));
    auto searchHistory = std::make_unique<AppleMapsSearchHistoryFilter>(&presenter.GetFilterContext(SearchesCategory));
    auto placeDisplays =
        std::make_unique<AppleMapsPlaceDisplaysFilter>(&presenter.GetFilterContext(ExploredPlacesCategory));
    auto directionsSearches =
        std::make_unique<AppleMapsDirectionsSearchesFilter>(&presenter.GetFilterContext(DirectionsSearchesCategory));
    m_bookmarksFilter = bookmarks.get();
    m_searchHistoryFilter = searchHistory.get();
    m_placeDisplaysFilter = placeDisplays.get();
    m_directionsSearchesFilter = directionsSearches.get();
    AddFilter(FavoritesCategory, std::move(bookmarks));
    AddFilter(SearchesCategory, std::move(searchHistory));
    AddFilter(ExploredPlacesCategory, std::move(placeDisplays));
    AddFilter(DirectionsSearchesCategory, std::move(directionsSearches));
    SetCurrentCategory(SearchesCategory);
}

void AppleMapsFilterManager::SetFiltersData(const AppleMapsRecords* records)
{
    if (records == nullptr) {
        LOG_DEBUG << "Containers can't be null";
        return;
    }
    m_bookmarksFilter->SetData(&records->bookmarks);
    m_searchHistoryFilter->SetData(&records->querySearches);
    m_placeDisplaysFilter->SetData(&records->placeDisplays);
    m_directionsSearchesFilter->SetData(&records->directionSearches);
}

} // namespace appleMaps::ui
