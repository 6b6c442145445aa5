#pragma once

#include "appleMaps/records/AppleMapsRecords.h"
#include "location/LocationMetaTypes.h"
#include "pluginGui/CellPointer.h"

#include <QMetaType>

// Whole-record cells of the Apple Maps tables; the string, address and location pointers are
// declared with their types. Each is known to the meta-type system under its spelling here, e.g.
// "const appleMaps::AppleMapsPlaceBookmarkItem*".
Q_DECLARE_METATYPE(const appleMaps::AppleMapsPlaceBookmarkItem*)
Q_DECLARE_METATYPE(const appleMaps::AppleMapsDirectionSearchItem*)
Q_DECLARE_METATYPE(const appleMaps::AppleMapsPlaceDisplayItem*)
Q_DECLARE_METATYPE(const appleMaps::AppleMapsHistoryQuerySearchItem*)

namespace appleMaps::ui {

// Registers every pointer type that the table cells hand out by name, so that name lookups
// (QMetaType::type) find them before the first cell is read. Runs once per process; later calls
// return at once.
void RegisterRecordMetaTypes();

} // namespace appleMaps::ui
