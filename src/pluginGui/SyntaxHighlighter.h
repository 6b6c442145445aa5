#pragma once

#include "pluginGui/FullTextHighlighter.h"

namespace pluginGui {

// Marks every case-insensitive occurrence of the search text, overlapping ones included, with
// a yellow background.
class SyntaxHighlighter : public FullTextHighlighter {
    Q_OBJECT

public:
    explicit SyntaxHighlighter(QObject* parent);

    // The caller re-highlights.
    virtual void SetSearchTag(const QString& tag);
    const QString& GetSearchTag() const;
    const QTextCharFormat& GetMatchFormat() const;

protected:
    void highlightBlock(const QString& text) override;

private:
    QString m_searchTag;
    QTextCharFormat m_matchFormat;
};

} // namespace pluginGui
