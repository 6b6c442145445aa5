#include "ElidedSyntaxHighlighter.h"

namespace pluginGui {

ElidedSyntaxHighlighter::ElidedSyntaxHighlighter(QObject* parent, bool elided)
    : SyntaxHighlighter(parent)
    , m_elided(elided)
{
}

void ElidedSyntaxHighlighter::SetSearchTag(const QString& tag)
{
    SyntaxHighlighter::SetSearchTag(tag);
    emit SearchTagChanged(tag);
}

void ElidedSyntaxHighlighter::SetEllipsisText(const QString& ellipsis)
{
    m_ellipsis = ellipsis;
}

bool ElidedSyntaxHighlighter::IsElided() const
{
    return m_elided;
}

void ElidedSyntaxHighlighter::SetElided(bool elided)
{
    m_elided = elided;
}

void ElidedSyntaxHighlighter::OnSearchTagChanged(QString tag)
{
    SyntaxHighlighter::SetSearchTag(tag);
}

void ElidedSyntaxHighlighter::highlightBlock(const QString& text)
{
    SyntaxHighlighter::highlightBlock(text);
    if (m_elided && !m_ellipsis.isEmpty() && !GetSearchTag().isEmpty() && text.endsWith(m_ellipsis, Qt::CaseInsensitive))
        setFormat(text.length() - m_ellipsis.length(), m_ellipsis.length(), GetMatchFormat());
}

} // namespace pluginGui
