#pragma once

#include "location/ui/LocationLinkDelegateBase.h"

namespace location::ui {

// Point cells ("const location::Coordinates*"): latitude and longitude, linked to the place on
// the map; a point without location shows nothing.
class LocationCoordinatesDelegate : public LocationLinkDelegateBase {
    Q_OBJECT

public:
    using LocationLinkDelegateBase::LocationLinkDelegateBase;

protected:
    LocationLink GetLink(const QModelIndex& index) const override;
};

} // namespace location::ui
