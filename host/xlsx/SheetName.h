#pragma once

#include <QString>
#include <QStringList>

namespace host::xlsx {

// Sheet names hold at most this many characters.
constexpr int MaxSheetNameLength = 31;

// A name the workbook accepts for a sheet asked as `wanted`: the characters []:*?/\ become
// blanks, leading and trailing apostrophes go, the name is cut to MaxSheetNameLength characters
// and, when it clashes with one of `taken` (case-insensitively), ends in "~2", "~3", ... instead.
QString MakeSheetName(const QString& wanted, const QStringList& taken);

// The name wanted for the `part`-th sheet (2, 3, ...) of a table too long for one sheet whose
// first sheet is `first`: "<first> (<part>)", `first` cut so that the whole fits.
QString ContinuationSheetName(const QString& first, int part);

} // namespace host::xlsx
