#include "AppleMapsDirectionsSearchesTableView.h"

#include "AppleMapsDirectionsSearchesModel.h"
#include "AppleMapsDirectionsSearchesSortFilterProxyModel.h"

#include "location/ui/LocationCoordinatesDelegate.h"
#include "location/ui/LocationDefaultDelegate.h"
#include "pluginGui/AddressDelegate.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"
#include "pluginGui/TableUrlDelegateBase.h"

namespace appleMaps::ui {

AppleMapsDirectionsSearchesTableView::AppleMapsDirectionsSearchesTableView(
    QWidget* parent, const std::vector<AppleMapsDirectionSearchItem>* records, const QTimeZone& zone,
    viewers::gui::IFilter* filter, pluginGui::InfoBarWidget* infoBar)
    : AppleMapsCategoryTableViewBase(parent, infoBar, filter)
{
    SetModels(new AppleMapsDirectionsSearchesModel(this, records),
              new AppleMapsDirectionsSearchesSortFilterProxyModel(this, filter), zone);
    SetupColumns();
    CreateDelegates();
    FitColumnsToContent();
}

AppleMapsDirectionsSearchesTableView::~AppleMapsDirectionsSearchesTableView() = default;

void AppleMapsDirectionsSearchesTableView::SetupColumns()
{
    AppleMapsCategoryTableViewBase::SetupColumns();
    setColumnWidth(0, DateColumnWidth);
    setColumnWidth(2, PointColumnWidth);
    setColumnWidth(3, PointColumnWidth);
}

void AppleMapsDirectionsSearchesTableView::CreateDelegates()
{
    m_textDelegate = MakeTextDelegate();
    m_dateDelegate = MakeDateDelegate();
    m_coordinatesDelegate = MakeDelegate<location::ui::LocationCoordinatesDelegate>();
    m_urlDelegate = MakeUrlDelegate();
    m_addressDelegate = MakeDelegate<pluginGui::AddressDelegate>();
    SetDelegate(m_dateDelegate.get(), {0});
    SetDelegate(m_textDelegate.get(), {1, 4, 5, 6});
    SetDelegate(m_coordinatesDelegate.get(), {2, 3});
    SetDelegate(m_urlDelegate.get(), {7});
    SetDelegate(m_addressDelegate.get(), {8});
    InstallDelegates();
}

} // namespace appleMaps::ui
