#include "CaseFolding.h"

#include <QString>

namespace cmn::filter {

void AppendCaseFolded(const QString& text, std::u16string& out)
{
    const QChar* units = text.constData();
    const int length = text.size();
    for (int at = 0; at < length; ++at) {
        const char16_t unit = units[at].unicode();
        if (unit < 0x80) {
            out.push_back(unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit);
            continue;
        }
        uint codePoint = unit;
        if (QChar::isHighSurrogate(unit) && at + 1 < length && units[at + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(unit, units[++at].unicode());
        const uint folded = QChar::toCaseFolded(codePoint);
        if (QChar::requiresSurrogates(folded)) {
            out.push_back(QChar::highSurrogate(folded));
            out.push_back(QChar::lowSurrogate(folded));
        } else {
            out.push_back(char16_t(folded));
        }
    }
}

} // namespace cmn::filter
