#include "TableQDateTimeDelegateBase.h"

#include "cmn/text/DateTimeText.h"
#include "pluginGui/CellHtml.h"
#include "pluginGui/DateTimeHtml.h"
#include "pluginGui/DelegateActionType.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QLocale>

namespace pluginGui {

TableQDateTimeDelegateBase::TableQDateTimeDelegateBase(QObject* parent, const QMargins& margins, int verticalInset,
                                                       int rowCount, ElidedSyntaxHighlighter* highlighter,
                                                       const QFont* font)
    : InteractiveDelegateBase(parent, margins, verticalInset, rowCount, highlighter, font)
{
}

QSize TableQDateTimeDelegateBase::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem itemOption(option);
    initStyleOption(&itemOption, index);
    return TextSizeHint(GetText(index), itemOption.font);
}

bool TableQDateTimeDelegateBase::IsOverLink(const QPoint&, const QModelIndex&, const QAbstractItemView*) const
{
    return false;
}

QString TableQDateTimeDelegateBase::GetText(const QModelIndex& index) const
{
    const QDateTime dateTime = index.data().toDateTime();
    return dateTime.isNull() ? QString() : DateTimeText(dateTime);
}

void TableQDateTimeDelegateBase::HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view,
                                                   int actionType, QString* out) const
{
    view->setCursor(Qt::ArrowCursor);
    if (actionType == RightClickAction)
        CopyText(pos, index, view, out);
}

void TableQDateTimeDelegateBase::PaintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                              const QStyleOptionViewItem& itemOption, const QStyle* style,
                                              const QModelIndex& index) const
{
    static const QLocale english(QLocale::English);
    const QDateTime dateTime = index.data().toDateTime();
    QString html = FitDateTime(english.toString(dateTime, QLatin1String(DateFormat)),
                               english.toString(dateTime, QLatin1String(TimeFormat)), UtcOffsetText(dateTime), m_font,
                               option.rect.width() - m_leftMargin - m_rightMargin);
    if (dateTime.isNull())
        html = GrayHtml(ItalicHtml(html));
    DrawTextInItemRect(painter, option, itemOption, style, html);
}

} // namespace pluginGui
