#include "AppleMapsSearchHistoryTableView.h"

#include "AppleMapsSearchHistoryModel.h"
#include "AppleMapsSearchHistorySortFilterProxyModel.h"

#include "location/ui/LocationDefaultDelegate.h"
#include "location/ui/LocationMapRegionDelegate.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"

namespace appleMaps::ui {

AppleMapsSearchHistoryTableView::AppleMapsSearchHistoryTableView(
    QWidget* parent, const std::vector<AppleMapsHistoryQuerySearchItem>* records, const QTimeZone& zone,
    viewers::gui::IFilter* filter, pluginGui::InfoBarWidget* infoBar)
    : AppleMapsCategoryTableViewBase(parent, infoBar, filter)
{
    SetModels(new AppleMapsSearchHistoryModel(this, records),
              new AppleMapsSearchHistorySortFilterProxyModel(this, filter), zone);
    SetupColumns();
    CreateDelegates();
    FitColumnsToContent();
}

AppleMapsSearchHistoryTableView::~AppleMapsSearchHistoryTableView() = default;

void AppleMapsSearchHistoryTableView::SetupColumns()
{
    AppleMapsCategoryTableViewBase::SetupColumns();
    setColumnWidth(0, DateColumnWidth);
}

void AppleMapsSearchHistoryTableView::CreateDelegates()
{
    m_textDelegate = MakeTextDelegate();
    m_dateDelegate = MakeDateDelegate();
    m_mapRegionDelegate = MakeDelegate<location::ui::LocationMapRegionDelegate>();
    SetDelegate(m_dateDelegate.get(), {0});
    SetDelegate(m_textDelegate.get(), {1, 2});
    SetDelegate(m_mapRegionDelegate.get(), {3});
    InstallDelegates();
}

} // namespace appleMaps::ui
