#pragma once

#include "PlistValue.h"

#include <QByteArray>

namespace host::sample {

// Encodes `value` as a binary property list, format "bplist00": every value and key is an
// object of its own (no sharing), the top object comes first, and object references and
// offsets use the fewest bytes that hold them. Strings that are all ASCII are stored as ASCII,
// all others as UTF-16 big-endian.
QByteArray WriteBinaryPlist(const PlistValue& value);

} // namespace host::sample
