#pragma once

#include "AppleMapsCategoryTableViewBase.h"

#include "appleMaps/records/AppleMapsRecords.h"

#include <memory>
#include <vector>

namespace location::ui {
class LocationDefaultDelegate;
class LocationMapRegionDelegate;
} // namespace location::ui

namespace pluginGui {
class InfoBarWidget;
class TableQDateTimeDelegateBase;
} // namespace pluginGui

namespace appleMaps::ui {

// Searches, with the map region that was visible.
class AppleMapsSearchHistoryTableView final : public AppleMapsCategoryTableViewBase {
    Q_OBJECT

public:
    // records: not owned, must outlive the view. filter: the record filter, not owned.
    AppleMapsSearchHistoryTableView(QWidget* parent, const std::vector<AppleMapsHistoryQuerySearchItem>* records,
                                    const QTimeZone& zone, viewers::gui::IFilter* filter,
                                    pluginGui::InfoBarWidget* infoBar);
    ~AppleMapsSearchHistoryTableView() override;

protected:
    void SetupColumns() override;
    void CreateDelegates() override;

private:
    std::unique_ptr<location::ui::LocationDefaultDelegate> m_textDelegate;
    std::unique_ptr<pluginGui::TableQDateTimeDelegateBase> m_dateDelegate;
    std::unique_ptr<location::ui::LocationMapRegionDelegate> m_mapRegionDelegate;
};

} // namespace appleMaps::ui
