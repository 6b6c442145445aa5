#include "AppleMapsPlacesTableView.h"

#include "AppleMapsPlaceDisplaysModel.h"
#include "AppleMapsPlaceDisplaysSortFilterProxyModel.h"

#include "location/ui/LocationCoordinatesDelegate.h"
#include "location/ui/LocationDefaultDelegate.h"
#include "pluginGui/AddressDelegate.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"
#include "pluginGui/TableUrlDelegateBase.h"

namespace appleMaps::ui {

AppleMapsPlacesTableView::AppleMapsPlacesTableView(QWidget* parent,
                                                   const std::vector<AppleMapsPlaceDisplayItem>* records,
                                                   const QTimeZone& zone, viewers::gui::IFilter* filter,
                                                   pluginGui::InfoBarWidget* infoBar)
    : AppleMapsCategoryTableViewBase(parent, infoBar, filter)
{
    SetModels(new AppleMapsPlaceDisplaysModel(this, records),
              new AppleMapsPlaceDisplaysSortFilterProxyModel(this, filter), zone);
    SetupColumns();
    CreateDelegates();
    FitColumnsToContent();
}

AppleMapsPlacesTableView::~AppleMapsPlacesTableView() = default;

void AppleMapsPlacesTableView::SetupColumns()
{
    AppleMapsCategoryTableViewBase::SetupColumns();
    setColumnWidth(0, DateColumnWidth);
    setColumnWidth(2, PointColumnWidth);
}

void AppleMapsPlacesTableView::CreateDelegates()
{
    m_textDelegate = MakeTextDelegate();
    m_dateDelegate = MakeDateDelegate();
    m_coordinatesDelegate = MakeDelegate<location::ui::LocationCoordinatesDelegate>();
    m_urlDelegate = MakeUrlDelegate();
    m_addressDelegate = MakeDelegate<pluginGui::AddressDelegate>();
    SetDelegate(m_dateDelegate.get(), {0});
    SetDelegate(m_textDelegate.get(), {1, 4, 5});
    SetDelegate(m_coordinatesDelegate.get(), {2});
    SetDelegate(m_addressDelegate.get(), {3});
    SetDelegate(m_urlDelegate.get(), {6});
    InstallDelegates();
}

} // namespace appleMaps::ui
