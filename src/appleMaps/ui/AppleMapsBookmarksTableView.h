#pragma once

#include "AppleMapsCategoryTableViewBase.h"

#include "appleMaps/records/AppleMapsRecords.h"

#include <memory>
#include <vector>

namespace location::ui {
class LocationCoordinatesDelegate;
class LocationDefaultDelegate;
class LocationRouteDelegate;
} // namespace location::ui

namespace pluginGui {
class AddressDelegate;
class InfoBarWidget;
class TableQDateTimeDelegateBase;
class TableUrlDelegateBase;
} // namespace pluginGui

namespace appleMaps::ui {

// Favourites: places and routes.
class AppleMapsBookmarksTableView final : public AppleMapsCategoryTableViewBase {
    Q_OBJECT

public:
    // records: not owned, must outlive the view. filter: the record filter, not owned.
    AppleMapsBookmarksTableView(QWidget* parent, const std::vector<AppleMapsPlaceBookmarkItem>* records,
                                const QTimeZone& zone, viewers::gui::IFilter* filter,
                                pluginGui::InfoBarWidget* infoBar);
    ~AppleMapsBookmarksTableView() override;

protected:
    void SetupColumns() override;
    void CreateDelegates() override;

private:
    std::unique_ptr<location::ui::LocationDefaultDelegate> m_textDelegate;
    std::unique_ptr<pluginGui::TableQDateTimeDelegateBase> m_dateDelegate;
    std::unique_ptr<location::ui::LocationCoordinatesDelegate> m_coordinatesDelegate;
    std::unique_ptr<pluginGui::TableUrlDelegateBase> m_urlDelegate;
    std::unique_ptr<pluginGui::AddressDelegate> m_addressDelegate;
    std::unique_ptr<location::ui::LocationRouteDelegate> m_routeDelegate;
};

} // namespace appleMaps::ui
