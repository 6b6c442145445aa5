#pragma once

#include "exportReport/TableColumns.h"

#include <functional>
#include <memory>

namespace exportReport {
class ITableExport;
}

namespace appleMaps {

struct AppleMapsDirectionSearchItem;
struct AppleMapsHistoryQuerySearchItem;
struct AppleMapsPlaceBookmarkItem;
struct AppleMapsPlaceDisplayItem;

namespace details {

// Writes the cells of one record into the row begun last; optional values that a record lacks
// leave their cells empty.
template <typename Record>
using TableRowWriter =
    std::function<void(const Record&, const exportReport::CaptionMap&, const std::shared_ptr<exportReport::ITableExport>&)>;

void WriteBookmarkRow(const AppleMapsPlaceBookmarkItem& bookmark, const exportReport::CaptionMap& captions,
                      const std::shared_ptr<exportReport::ITableExport>& table);
void WriteDirectionsSearchRow(const AppleMapsDirectionSearchItem& search, const exportReport::CaptionMap& captions,
                              const std::shared_ptr<exportReport::ITableExport>& table);
void WritePlaceDisplayRow(const AppleMapsPlaceDisplayItem& placeDisplay, const exportReport::CaptionMap& captions,
                          const std::shared_ptr<exportReport::ITableExport>& table);
void WriteQuerySearchRow(const AppleMapsHistoryQuerySearchItem& search, const exportReport::CaptionMap& captions,
                         const std::shared_ptr<exportReport::ITableExport>& table);

} // namespace details
} // namespace appleMaps
