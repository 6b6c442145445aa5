#pragma once

#include "AppleMapsCategoryTableViewBase.h"

#include "appleMaps/records/AppleMapsRecords.h"

#include <memory>
#include <vector>

namespace location::ui {
class LocationCoordinatesDelegate;
class LocationDefaultDelegate;
} // namespace location::ui

namespace pluginGui {
class AddressDelegate;
class InfoBarWidget;
class TableQDateTimeDelegateBase;
class TableUrlDelegateBase;
} // namespace pluginGui

namespace appleMaps::ui {

// Directions searches: start, end and the destination's contact data.
class AppleMapsDirectionsSearchesTableView final : public AppleMapsCategoryTableViewBase {
    Q_OBJECT

public:
    // records: not owned, must outlive the view. filter: the record filter, not owned.
    AppleMapsDirectionsSearchesTableView(QWidget* parent, const std::vector<AppleMapsDirectionSearchItem>* records,
                                         const QTimeZone& zone, viewers::gui::IFilter* filter,
                                         pluginGui::InfoBarWidget* infoBar);
    ~AppleMapsDirectionsSearchesTableView() override;

protected:
    void SetupColumns() override;
    void CreateDelegates() override;

private:
    std::unique_ptr<location::ui::LocationDefaultDelegate> m_textDelegate;
    std::unique_ptr<pluginGui::TableQDateTimeDelegateBase> m_dateDelegate;
    std::unique_ptr<location::ui::LocationCoordinatesDelegate> m_coordinatesDelegate;
    std::unique_ptr<pluginGui::TableUrlDelegateBase> m_urlDelegate;
    std::unique_ptr<pluginGui::AddressDelegate> m_addressDelegate;
};

} // namespace appleMaps::ui
