#pragma once

#include "AppleMapsRecordFilterTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

class AppleMapsDirectionsSearchesFilter final : public AppleMapsRecordFilterTemplate<AppleMapsDirectionSearchItem> {
public:
    using AppleMapsRecordFilterTemplate::AppleMapsRecordFilterTemplate;
};

} // namespace appleMaps::ui
