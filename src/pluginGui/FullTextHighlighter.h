#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace pluginGui {

// Gives every non-empty block one format; the base of the search highlighters.
class FullTextHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit FullTextHighlighter(QObject* parent);

    void SetFullTextFormat(const QTextCharFormat& format);

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat m_fullTextFormat;
};

} // namespace pluginGui
