#pragma once

#include "location/ui/LocationLinkDelegateBase.h"

namespace location::ui {

// Route cells ("const location::Route*"): "show route", linked to directions from the first
// point to the last; a route without points shows nothing.
class LocationRouteDelegate : public LocationLinkDelegateBase {
    Q_OBJECT

public:
    using LocationLinkDelegateBase::LocationLinkDelegateBase;

protected:
    LocationLink GetLink(const QModelIndex& index) const override;
};

} // namespace location::ui
