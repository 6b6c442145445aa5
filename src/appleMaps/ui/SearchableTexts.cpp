#include "SearchableTexts.h"

#include "cmn/text/AddressText.h"
#include "cmn/text/LocationText.h"

namespace appleMaps::ui {

// Points are searched by their text even without a location, so "-181" finds those.

bool AnySearchableText(const AppleMapsPlaceBookmarkItem& record, const TextVisitor& visit)
{
    // The route is not searched.
    return visit(record.title) || visit(record.type) || visit(record.fax) || visit(record.name)
        || visit(record.telephone) || visit(record.url) || visit(cmn::FirstAddressText(record.addresses))
        || visit(location::PointText(record.placePoint)) || visit(location::PointText(record.droppedPin));
}

bool AnySearchableText(const AppleMapsDirectionSearchItem& record, const TextVisitor& visit)
{
    return visit(record.fax) || visit(record.name) || visit(record.telephone) || visit(record.url)
        || visit(record.transportType) || visit(cmn::FirstAddressText(record.addresses))
        || visit(location::PointText(record.startPoint)) || visit(location::PointText(record.endPoint));
}

bool AnySearchableText(const AppleMapsPlaceDisplayItem& record, const TextVisitor& visit)
{
    return visit(record.fax) || visit(record.name) || visit(record.telephone) || visit(record.url)
        || visit(cmn::FirstAddressText(record.addresses)) || visit(location::PointText(record.placePoint));
}

bool AnySearchableText(const AppleMapsHistoryQuerySearchItem& record, const TextVisitor& visit)
{
    return visit(record.query) || visit(record.locationDisplayString) || visit(location::RegionText(record.mapRegion));
}

} // namespace appleMaps::ui
