#include "RecordMetaTypes.h"

namespace appleMaps::ui {

void RegisterRecordMetaTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<const QString*>("const QString*");
        qRegisterMetaType<const cmn::Address*>("const cmn::Address*");
        qRegisterMetaType<const location::Coordinates*>("const location::Coordinates*");
        qRegisterMetaType<const location::Route*>("const location::Route*");
        qRegisterMetaType<const location::MapRegion*>("const location::MapRegion*");
        qRegisterMetaType<const AppleMapsPlaceBookmarkItem*>("const appleMaps::AppleMapsPlaceBookmarkItem*");
        qRegisterMetaType<const AppleMapsDirectionSearchItem*>("const appleMaps::AppleMapsDirectionSearchItem*");
        qRegisterMetaType<const AppleMapsPlaceDisplayItem*>("const appleMaps::AppleMapsPlaceDisplayItem*");
        qRegisterMetaType<const AppleMapsHistoryQuerySearchItem*>("const appleMaps::AppleMapsHistoryQuerySearchItem*");
        return true;
    }();
    Q_UNUSED(registered)
}

} // namespace appleMaps::ui
