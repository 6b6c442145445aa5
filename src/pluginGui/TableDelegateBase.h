#pragma once

#include <QMargins>
#include <QStyledItemDelegate>

class QStyle;
class QSyntaxHighlighter;
class QTextDocument;

namespace pluginGui {

// The base of the kit's cell delegates: the cell's text as rich text inside fixed margins, and
// the grid drawn by the delegate (left and right edges, the bottom edge under the last row).
class TableDelegateBase : public QStyledItemDelegate {
    Q_OBJECT

public:
    // verticalInset: added above the text and twice to the height hint. rowCount: the number
    // of rows the view shows; the last of them gets the bottom edge.
    TableDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    virtual const QColor& GetGridColor() const;
    // option: as the view gave it; itemOption: filled from the model for this index.
    virtual void PaintCell(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                           const QStyle* style, const QModelIndex& index) const = 0;
    virtual void DrawText(QPainter* painter, const QString& text, const QRect& rect, const QFont& font,
                          QSyntaxHighlighter* highlighter) const;
    virtual void DrawBorders(QPainter* painter, const QRect& rect, const QModelIndex& index) const;

    // Cell texts are HTML unless set to plain text.
    void SetPlainText(bool plainText);

protected:
    // The size a cell's text takes within the margins and insets; textWidth < 0: unbounded.
    QSize TextSizeHint(const QString& text, const QFont& font, qreal textWidth = -1) const;
    void SetDocumentText(QTextDocument& document, const QString& text) const;

    int m_leftMargin;
    int m_topMargin;
    int m_rightMargin;
    int m_bottomMargin;
    int m_verticalInset;
    int m_rowCount;
    bool m_plainText = false;
};

} // namespace pluginGui
