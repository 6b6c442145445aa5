#include "LocationCoordinatesDelegate.h"

#include "cmn/text/LocationText.h"
#include "cmn/text/MapUrls.h"
#include "location/LocationMetaTypes.h"
#include "pluginGui/CellPointer.h"

namespace location::ui {

LocationLink LocationCoordinatesDelegate::GetLink(const QModelIndex& index) const
{
    const Coordinates* point = pluginGui::CellPointer<Coordinates>(index.data());
    if (point == nullptr || !HasLocation(*point))
        return {};
    return {PointText(*point), PlaceUrl(*point)};
}

} // namespace location::ui
