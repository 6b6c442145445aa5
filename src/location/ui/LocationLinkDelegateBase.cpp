#include "LocationLinkDelegateBase.h"

#include "pluginGui/PerformAction.h"

#include <QUrl>

namespace location::ui {

LocationLinkDelegateBase::LocationLinkDelegateBase(QObject* parent, const QMargins& margins, int verticalInset,
                                                   int rowCount, pluginGui::ElidedSyntaxHighlighter* highlighter,
                                                   const QFont* font)
    : TableUrlDelegateBase(parent, margins, verticalInset, rowCount, highlighter, font, true)
{
}

QSize LocationLinkDelegateBase::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const LocationLink link = GetLink(index);
    QString html;
    MakeLinkHtml(link.url, link.text, html);
    return TextSizeHint(html, m_font);
}

bool LocationLinkDelegateBase::IsOverLink(const QPoint& pos, const QModelIndex& index,
                                          const QAbstractItemView* view) const
{
    const QString text = GetText(index);
    if (text.isEmpty())
        return false;
    QString html;
    MakeLinkHtml(text, text, html);
    return IsOverLinkHtml(pos, index, view, html);
}

QString LocationLinkDelegateBase::GetText(const QModelIndex& index) const
{
    return GetLink(index).text;
}

void LocationLinkDelegateBase::HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view,
                                                 int actionType, QString* out) const
{
    const LocationLink link = GetLink(index);
    if (link.text.isEmpty())
        return;
    pluginGui::PerformAction(pos, index, QUrl(link.url, QUrl::TolerantMode), view, this, actionType, out);
}

void LocationLinkDelegateBase::PaintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                            const QStyleOptionViewItem& itemOption, const QStyle* style,
                                            const QModelIndex& index) const
{
    const LocationLink link = GetLink(index);
    if (!link.text.isEmpty())
        PaintLink(painter, option, itemOption, style, link.url, link.text);
}

} // namespace location::ui
