#pragma once

#include <string>

class QString;

namespace cmn::filter {

// Appends text with every code point replaced by its simple case folding, the mapping that
// QString's case-insensitive comparisons apply; lone surrogates stay as they are. Two texts are
// equal case-insensitively exactly when their foldings are equal unit by unit.
void AppendCaseFolded(const QString& text, std::u16string& out);

} // namespace cmn::filter
