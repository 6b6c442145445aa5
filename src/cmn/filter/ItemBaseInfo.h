#pragma once

#include <cstdint>

namespace cmn::filter {

// State and counts of one filter item (or of one of its values).
struct ItemBaseInfo {
    bool checked = false;        // the item's check box is ticked
    std::uint64_t totalCount = 0; // records the item applies to
    std::uint64_t shownCount = 0; // records that pass it
};

} // namespace cmn::filter
