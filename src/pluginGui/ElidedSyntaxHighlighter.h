#pragma once

#include "pluginGui/SyntaxHighlighter.h"

namespace pluginGui {

// The search highlighter of a table: it also marks the ellipsis of a cell whose cut-off part
// holds further matches, while the elided flag is on (the delegates switch it on for such a
// cell only). A view owns one and lends it to its delegates.
class ElidedSyntaxHighlighter : public SyntaxHighlighter {
    Q_OBJECT

public:
    ElidedSyntaxHighlighter(QObject* parent, bool elided);

    // Stores the tag and announces it to the delegates.
    void SetSearchTag(const QString& tag) override;
    void SetEllipsisText(const QString& ellipsis);
    bool IsElided() const;
    void SetElided(bool elided);

signals:
    void SearchTagChanged(QString tag);

public slots:
    // Stores the tag without announcing it.
    void OnSearchTagChanged(QString tag);

protected:
    void highlightBlock(const QString& text) override;

private:
    bool m_elided;
    QString m_ellipsis;
};

} // namespace pluginGui
