#pragma once

#include "AppleMapsRecordFilterTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

class AppleMapsSearchHistoryFilter final : public AppleMapsRecordFilterTemplate<AppleMapsHistoryQuerySearchItem> {
public:
    using AppleMapsRecordFilterTemplate::AppleMapsRecordFilterTemplate;
};

} // namespace appleMaps::ui
