#pragma once

#include "appleMaps/records/AppleMapsRecords.h"

#include <QString>

#include <functional>

namespace appleMaps::ui {

// Receives one searchable text; answers true to stop the walk.
using TextVisitor = std::function<bool(const QString& text)>;

// Walk the texts of a record that the search looks into, one at a time, until visit answers
// true; answer whether it did. Texts that have to be built (addresses, points) are built only
// when the walk reaches them.
bool AnySearchableText(const AppleMapsPlaceBookmarkItem& record, const TextVisitor& visit);
bool AnySearchableText(const AppleMapsDirectionSearchItem& record, const TextVisitor& visit);
bool AnySearchableText(const AppleMapsPlaceDisplayItem& record, const TextVisitor& visit);
bool AnySearchableText(const AppleMapsHistoryQuerySearchItem& record, const TextVisitor& visit);

} // namespace appleMaps::ui
