#include "AppleMapsBookmarksTableView.h"

#include "AppleMapsBookmarksModel.h"
#include "AppleMapsBookmarksSortFilterProxyModel.h"

#include "location/ui/LocationCoordinatesDelegate.h"
#include "location/ui/LocationDefaultDelegate.h"
#include "location/ui/LocationRouteDelegate.h"
#include "pluginGui/AddressDelegate.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"
#include "pluginGui/TableUrlDelegateBase.h"

namespace appleMaps::ui {

AppleMapsBookmarksTableView::AppleMapsBookmarksTableView(QWidget* parent,
                                                         const std::vector<AppleMapsPlaceBookmarkItem>* records,
                                                         const QTimeZone& zone, viewers::gui::IFilter* filter,
                                                         pluginGui::InfoBarWidget* infoBar)
    : AppleMapsCategoryTableViewBase(parent, infoBar, filter)
{
    SetModels(new AppleMapsBookmarksModel(this, records), new AppleMapsBookmarksSortFilterProxyModel(this, filter),
              zone);
    SetupColumns();
    CreateDelegates();
    FitColumnsToContent();
}

AppleMapsBookmarksTableView::~AppleMapsBookmarksTableView() = default;

void AppleMapsBookmarksTableView::SetupColumns()
{
    AppleMapsCategoryTableViewBase::SetupColumns();
    setColumnWidth(0, DateColumnWidth);
    setColumnWidth(3, PointColumnWidth);
    setColumnWidth(5, PointColumnWidth);
}

void AppleMapsBookmarksTableView::CreateDelegates()
{
    m_textDelegate = MakeTextDelegate();
    m_dateDelegate = MakeDateDelegate();
    m_coordinatesDelegate = MakeDelegate<location::ui::LocationCoordinatesDelegate>();
    m_urlDelegate = MakeUrlDelegate();
    m_addressDelegate = MakeDelegate<pluginGui::AddressDelegate>();
    m_routeDelegate = MakeDelegate<location::ui::LocationRouteDelegate>();
    SetDelegate(m_dateDelegate.get(), {0});
    SetDelegate(m_textDelegate.get(), {1, 2, 8, 9, 10});
    SetDelegate(m_coordinatesDelegate.get(), {3, 5});
    SetDelegate(m_addressDelegate.get(), {4});
    SetDelegate(m_routeDelegate.get(), {6});
    SetDelegate(m_urlDelegate.get(), {7});
    InstallDelegates();
}

} // namespace appleMaps::ui
