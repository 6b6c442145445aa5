#include "BaseText.h"

namespace pluginGui {

BaseText::BaseText(const QString& text)
    : m_text(text)
{
}

QString BaseText::GetText() const
{
    return m_text;
}

QString BaseText::GetPlainText() const
{
    return m_text;
}

bool BaseText::IsEmpty() const
{
    return m_text.isEmpty();
}

void BaseText::UpdateFrom(const QString& source)
{
    if (source.length() > GetStart())
        m_text = source.mid(GetStart(), GetLength());
    else
        m_text.clear();
}

void BaseText::SetText(const TextPiece& piece)
{
    m_text = piece.text;
}

} // namespace pluginGui
