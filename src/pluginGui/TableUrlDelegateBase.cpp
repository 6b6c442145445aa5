#include "TableUrlDelegateBase.h"

#include "pluginGui/CellPointer.h"
#include "pluginGui/DelegateActionType.h"

#include <QAbstractItemView>
#include <QDesktopServices>
#include <QTextDocument>
#include <QUrl>

namespace pluginGui {

TableUrlDelegateBase::TableUrlDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                                           ElidedSyntaxHighlighter* highlighter, const QFont* font,
                                           bool valueIsStringPointer)
    : InteractiveDelegateBase(parent, margins, verticalInset, rowCount, highlighter, font)
    , m_valueIsStringPointer(valueIsStringPointer)
{
}

QSize TableUrlDelegateBase::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const QString url = GetUrl(index);
    QString html;
    MakeLinkHtml(url, url, html);
    return TextSizeHint(html, m_font);
}

bool TableUrlDelegateBase::HasLink() const
{
    return true;
}

bool TableUrlDelegateBase::IsOverLink(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view) const
{
    const QString url = GetUrl(index);
    if (url.isEmpty())
        return false;
    QString html;
    MakeLinkHtml(url, url, html);
    return IsOverLinkHtml(pos, index, view, html);
}

QString TableUrlDelegateBase::GetText(const QModelIndex& index) const
{
    return GetUrl(index);
}

void TableUrlDelegateBase::HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view,
                                             int actionType, QString* out) const
{
    const QString url = GetUrl(index);
    if (url.isEmpty())
        return;
    switch (actionType) {
    case LeaveAction:
        view->setCursor(Qt::ArrowCursor);
        break;
    case MoveAction:
        view->setCursor(IsOverLink(pos, index, view) ? Qt::PointingHandCursor : Qt::ArrowCursor);
        break;
    case LeftClickAction:
        if (IsOverLink(pos, index, view))
            OpenUrl(url, index);
        break;
    case RightClickAction:
        CopyText(pos, index, view, out);
        break;
    default:
        break;
    }
}

void TableUrlDelegateBase::PaintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QStyleOptionViewItem& itemOption, const QStyle* style,
                                        const QModelIndex& index) const
{
    const QString url = GetUrl(index);
    PaintLink(painter, option, itemOption, style, url, url);
}

void TableUrlDelegateBase::OpenUrl(const QString& url, const QModelIndex&) const
{
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

QString TableUrlDelegateBase::GetUrl(const QModelIndex& index) const
{
    if (!m_valueIsStringPointer)
        return index.data().toString();
    const QString* url = CellPointer<QString>(index.data());
    return url != nullptr ? *url : QString();
}

bool TableUrlDelegateBase::IsOverLinkHtml(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view,
                                          const QString& html) const
{
    QTextDocument document;
    document.setDefaultFont(m_font);
    document.setHtml(html);
    // A cell's visual rectangle starts at its column's and row's viewport positions.
    const QPoint origin = view->visualRect(index).topLeft() + QPoint(m_leftMargin, m_verticalInset);
    return QRect(origin, document.size().toSize()).contains(pos);
}

} // namespace pluginGui
