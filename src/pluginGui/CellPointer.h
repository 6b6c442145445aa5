#pragma once

#include "cmn/Address.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

// Cells hand out pointers into the record collections rather than copies; these are the kit's
// pointer types, known to the meta-type system under the names "const QString*" and
// "const cmn::Address*".
Q_DECLARE_METATYPE(const QString*)
Q_DECLARE_METATYPE(const cmn::Address*)

namespace pluginGui {

// The object a cell value points to; null when the value holds no such pointer and cannot be
// converted to one.
template <typename T>
const T* CellPointer(const QVariant& value)
{
    return value.value<const T*>();
}

} // namespace pluginGui
