#pragma once

#include "AppleMapsRecords.h"

#include "core/ICategoryParser.h"

#include <string>

namespace cmn::filter {
struct FilterContext;
}

namespace appleMaps {

class IAppleMapsParser : public core::ICategoryParser<AppleMapsRecords> {
public:
    // The filter description of a record kind (AppleMapsCategory), created empty when missing.
    virtual cmn::filter::FilterContext& GetFilterContext(int kind) = 0;
    virtual std::string GetBackupId() = 0;
};

} // namespace appleMaps
