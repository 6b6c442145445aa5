#include "FullTextHighlighter.h"

namespace pluginGui {

FullTextHighlighter::FullTextHighlighter(QObject* parent)
    : QSyntaxHighlighter(parent)
{
}

void FullTextHighlighter::SetFullTextFormat(const QTextCharFormat& format)
{
    m_fullTextFormat = format;
}

void FullTextHighlighter::highlightBlock(const QString& text)
{
    if (!text.isEmpty())
        setFormat(0, text.length(), m_fullTextFormat);
}

} // namespace pluginGui
