#pragma once

#include <QString>

namespace cmn::kml {

// `text` with every UTF-16 unit that XML 1.0 cannot carry (control characters other than tab,
// line feed and carriage return, lone surrogates, U+FFFE and U+FFFF) replaced by U+FFFD, so that
// a record's text cannot break the document it is written into while its length stays visible.
QString XmlSafeText(const QString& text);

} // namespace cmn::kml
