#include "TableStaticTextDelegateBase.h"

#include "pluginGui/CellPointer.h"
#include "pluginGui/DelegateActionType.h"

#include <QAbstractItemView>

namespace pluginGui {

TableStaticTextDelegateBase::TableStaticTextDelegateBase(QObject* parent, const QMargins& margins, int verticalInset,
                                                         int rowCount, ElidedSyntaxHighlighter* highlighter,
                                                         const QFont* font, bool valueIsStringPointer)
    : InteractiveDelegateBase(parent, margins, verticalInset, rowCount, highlighter, font)
    , m_valueIsStringPointer(valueIsStringPointer)
{
}

QSize TableStaticTextDelegateBase::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return TextSizeHint(GetText(index).toHtmlEscaped(), m_font);
}

bool TableStaticTextDelegateBase::IsOverLink(const QPoint&, const QModelIndex&, const QAbstractItemView*) const
{
    return false;
}

QString TableStaticTextDelegateBase::GetText(const QModelIndex& index) const
{
    if (!m_valueIsStringPointer)
        return index.data().toString();
    const QString* text = CellPointer<QString>(index.data());
    return text != nullptr ? *text : QString();
}

void TableStaticTextDelegateBase::HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view,
                                                    int actionType, QString* out) const
{
    view->setCursor(Qt::ArrowCursor);
    if (actionType == RightClickAction && index.isValid())
        CopyText(pos, index, view, out);
}

void TableStaticTextDelegateBase::PaintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                               const QStyleOptionViewItem& itemOption, const QStyle* style,
                                               const QModelIndex& index) const
{
    if (m_valueIsStringPointer && CellPointer<QString>(index.data()) == nullptr)
        return;
    DrawStaticText(painter, option, itemOption, style, GetText(index));
}

void TableStaticTextDelegateBase::DrawStaticText(QPainter* painter, const QStyleOptionViewItem& option,
                                                 const QStyleOptionViewItem& itemOption, const QStyle* style,
                                                 const QString& text) const
{
    const QString fullHtml = text.toHtmlEscaped();
    const QString elidedHtml = ElideToCell(text, option).toHtmlEscaped();
    DrawElidedText(painter, option, itemOption, style, &fullHtml, &elidedHtml);
}

} // namespace pluginGui
