#pragma once

#include "AppleMapsRecordFilterTemplate.h"

#include "appleMaps/records/AppleMapsRecords.h"

namespace appleMaps::ui {

class AppleMapsBookmarksFilter final : public AppleMapsRecordFilterTemplate<AppleMapsPlaceBookmarkItem> {
public:
    using AppleMapsRecordFilterTemplate::AppleMapsRecordFilterTemplate;
};

} // namespace appleMaps::ui
