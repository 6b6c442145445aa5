#pragma once

#include "AppleMapsRecordFilterTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

class AppleMapsPlaceDisplaysFilter final : public AppleMapsRecordFilterTemplate<AppleMapsPlaceDisplayItem> {
public:
    using AppleMapsRecordFilterTemplate::AppleMapsRecordFilterTemplate;
};

} // namespace appleMaps::ui
