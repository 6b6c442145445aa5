#include "XmlSafeText.h"

namespace cmn::kml {
namespace {

bool IsXmlCharacter(char16_t unit)
{
    return unit >= 0x20 ? unit != 0xFFFE && unit != 0xFFFF : unit == u'\t' || unit == u'\n' || unit == u'\r';
}

} // namespace

QString XmlSafeText(const QString& text)
{
    // Most texts are clean: they are returned shared, and only a text that needs a change is copied.
    QString safe = text;
    const int length = text.size();
    for (int index = 0; index < length; ++index) {
        const QChar unit = text.at(index);
        if (unit.isHighSurrogate() && index + 1 < length && text.at(index + 1).isLowSurrogate()) {
            ++index;
            continue;
        }
        if (unit.isSurrogate() || !IsXmlCharacter(unit.unicode()))
            safe[index] = QChar::ReplacementCharacter;
    }
    return safe;
}

} // namespace cmn::kml
