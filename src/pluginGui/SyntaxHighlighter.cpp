#include "SyntaxHighlighter.h"

namespace pluginGui {

SyntaxHighlighter::SyntaxHighlighter(QObject* parent)
    : FullTextHighlighter(parent)
{
    m_matchFormat.setBackground(QBrush(QColor(255, 241, 0), Qt::SolidPattern));
}

void SyntaxHighlighter::SetSearchTag(const QString& tag)
{
    m_searchTag = tag;
}

const QString& SyntaxHighlighter::GetSearchTag() const
{
    return m_searchTag;
}

const QTextCharFormat& SyntaxHighlighter::GetMatchFormat() const
{
    return m_matchFormat;
}

void SyntaxHighlighter::highlightBlock(const QString& text)
{
    FullTextHighlighter::highlightBlock(text);
    if (m_searchTag.isEmpty())
        return;
    setCurrentBlockState(0);
    for (int at = text.indexOf(m_searchTag, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(m_searchTag, at + 1, Qt::CaseInsensitive))
        setFormat(at, m_searchTag.length(), m_matchFormat);
}

} // namespace pluginGui
