#pragma once

#include "ItemTemplate.h"

#include <vector>

namespace cmn::filter {

// The filter description of one category, filled by the parser and edited by the filter panel.
struct FilterContext {
    std::vector<ItemTemplate> items;
    bool enabled = false; // the panel's filter switch is on
};

} // namespace cmn::filter
