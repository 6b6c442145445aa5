#include "LocationRouteDelegate.h"

#include "cmn/text/LocationText.h"
#include "cmn/text/MapUrls.h"
#include "location/LocationMetaTypes.h"
#include "pluginGui/CellPointer.h"

namespace location::ui {

LocationLink LocationRouteDelegate::GetLink(const QModelIndex& index) const
{
    const Route* route = pluginGui::CellPointer<Route>(index.data());
    if (route == nullptr || route->empty())
        return {};
    return {RouteText(), DirectionsUrl(route->front(), route->back())};
}

} // namespace location::ui
