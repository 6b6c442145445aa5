#pragma once

#include "appleMaps/records/AppleMapsRecords.h"
#include "pluginGui/FilterManagerBase.h"

namespace pluginGui {
class IStackedFilter;
}

namespace appleMaps::ui {

class AppleMapsBookmarksFilter;
class AppleMapsDirectionsSearchesFilter;
class AppleMapsPlaceDisplaysFilter;
class AppleMapsSearchHistoryFilter;

// The record filters of the four categories (0 searches, 1 favourites, 2 explored places,
// 3 directions searches), each over its category's filter context; category 0 is current.
class AppleMapsFilterManager final : public pluginGui::FilterManagerBase<AppleMapsRecords> {
public:
    // The filter contexts stay the presenter's and must outlive the manager.
    explicit AppleMapsFilterManager(pluginGui::IStackedFilter& presenter);

    // The vectors are not owned; null records are ignored.
    void SetFiltersData(const AppleMapsRecords* records) override;

private:
    AppleMapsBookmarksFilter* m_bookmarksFilter;
    AppleMapsSearchHistoryFilter* m_searchHistoryFilter;
    AppleMapsPlaceDisplaysFilter* m_placeDisplaysFilter;
    AppleMapsDirectionsSearchesFilter* m_directionsSearchesFilter;
};

} // namespace appleMaps::ui
