#include "LocationMapRegionDelegate.h"

#include "cmn/text/LocationText.h"
#include "cmn/text/MapUrls.h"
#include "location/LocationMetaTypes.h"
#include "pluginGui/CellPointer.h"

namespace location::ui {

LocationLink LocationMapRegionDelegate::GetLink(const QModelIndex& index) const
{
    const MapRegion* region = pluginGui::CellPointer<MapRegion>(index.data());
    if (region == nullptr)
        return {};
    return {RegionText(*region), RegionUrl(*region)};
}

} // namespace location::ui
