#pragma once

#include "location/Coordinates.h"

#include <QMetaType>

// Model cells hand out pointers into the record collections; these are their types, known to the
// meta-type system under the names "const location::Coordinates*", "const location::Route*" and
// "const location::MapRegion*".
Q_DECLARE_METATYPE(const location::Coordinates*)
Q_DECLARE_METATYPE(const location::Route*)
Q_DECLARE_METATYPE(const location::MapRegion*)
