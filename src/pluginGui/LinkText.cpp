#include "LinkText.h"

namespace pluginGui {

LinkText::LinkText(const TextPiece& openingTag, const TextPiece& linkText, const TextPiece& closingTag)
    : BaseText(linkText.text)
    , m_pieces{openingTag, linkText, closingTag}
{
}

QString LinkText::GetText() const
{
    return m_pieces[OpeningTag].text + m_text + m_pieces[ClosingTag].text;
}

int LinkText::GetStart() const
{
    return m_pieces[OpeningTag].start;
}

int LinkText::GetLength() const
{
    return m_pieces[Text].length;
}

} // namespace pluginGui
