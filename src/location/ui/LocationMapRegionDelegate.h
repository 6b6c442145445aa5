#pragma once

#include "location/ui/LocationLinkDelegateBase.h"

namespace location::ui {

// Map-region cells ("const location::MapRegion*"): both corners, linked to the map centred on
// the region at the zoom that fits it. Corners without location still show.
class LocationMapRegionDelegate : public LocationLinkDelegateBase {
    Q_OBJECT

public:
    using LocationLinkDelegateBase::LocationLinkDelegateBase;

protected:
    LocationLink GetLink(const QModelIndex& index) const override;
};

} // namespace location::ui
