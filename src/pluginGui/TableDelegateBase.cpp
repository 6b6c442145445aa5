#include "TableDelegateBase.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QSyntaxHighlighter>
#include <QTextDocument>

namespace pluginGui {

TableDelegateBase::TableDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount)
    : QStyledItemDelegate(parent)
    , m_leftMargin(margins.left())
    , m_topMargin(margins.top())
    , m_rightMargin(margins.right())
    , m_bottomMargin(margins.bottom())
    , m_verticalInset(verticalInset)
    , m_rowCount(rowCount)
{
}

void TableDelegateBase::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem itemOption(option);
    initStyleOption(&itemOption, index);
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    DrawBorders(painter, option.rect, index);
    PaintCell(painter, option, itemOption, style, index);
}

QSize TableDelegateBase::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem itemOption(option);
    initStyleOption(&itemOption, index);
    return TextSizeHint(itemOption.text, itemOption.font, option.rect.width());
}

const QColor& TableDelegateBase::GetGridColor() const
{
    static const QColor gridColor(241, 242, 242, 255);
    return gridColor;
}

void TableDelegateBase::DrawText(QPainter* painter, const QString& text, const QRect& rect, const QFont& font,
                                 QSyntaxHighlighter* highlighter) const
{
    painter->save();
    QTextDocument document;
    document.setDefaultFont(font);
    SetDocumentText(document, text);
    QTextOption textOption = document.defaultTextOption();
    textOption.setTextDirection(Qt::LeftToRight);
    document.setDefaultTextOption(textOption);
    if (highlighter != nullptr) {
        highlighter->setDocument(&document);
        highlighter->rehighlight();
    }

    const QPoint offset(rect.left() + m_leftMargin, rect.top() + m_topMargin + m_verticalInset);
    painter->translate(offset);
    painter->setClipRect(rect.translated(-offset));
    document.documentLayout()->draw(painter, QAbstractTextDocumentLayout::PaintContext());

    // The highlighter is shared by every cell of the view; it must not outlive its hold on
    // this document.
    if (highlighter != nullptr)
        highlighter->setDocument(nullptr);
    painter->restore();
}

void TableDelegateBase::DrawBorders(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    painter->save();
    painter->setPen(QPen(GetGridColor(), 1, Qt::SolidLine));
    QRect borders(rect);
    if (index.column() == 0)
        borders.setLeft(0);
    painter->drawLine(borders.topLeft(), borders.bottomLeft());
    painter->drawLine(borders.topRight(), borders.bottomRight());
    if (index.row() == m_rowCount - 1)
        painter->drawLine(borders.bottomLeft(), borders.bottomRight());
    painter->restore();
}

void TableDelegateBase::SetPlainText(bool plainText)
{
    m_plainText = plainText;
}

QSize TableDelegateBase::TextSizeHint(const QString& text, const QFont& font, qreal textWidth) const
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setTextWidth(textWidth);
    SetDocumentText(document, text);
    return QSize(m_leftMargin + m_rightMargin + qRound(document.idealWidth()),
                 qRound(document.size().height()) + 2 * m_verticalInset);
}

void TableDelegateBase::SetDocumentText(QTextDocument& document, const QString& text) const
{
    if (m_plainText)
        document.setPlainText(text);
    else
        document.setHtml(text);
}

} // namespace pluginGui
