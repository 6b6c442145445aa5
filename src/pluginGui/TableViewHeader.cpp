#include "TableViewHeader.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace pluginGui {

namespace {

const QColor& SectionColor()
{
    static const QColor color(109, 110, 112, 255);
    return color;
}

const QColor& BorderColor()
{
    static const QColor color(241, 242, 242, 255);
    return color;
}

// In section-local coordinates around the triangle's centre.
QPolygon SortTriangle(Qt::SortOrder order)
{
    if (order == Qt::AscendingOrder)
        return QPolygon({QPoint(0, -3), QPoint(-5, 3), QPoint(5, 3)});
    return QPolygon({QPoint(0, 4), QPoint(-5, -2), QPoint(5, -2)});
}

} // namespace

TableViewHeader::TableViewHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
}

void TableViewHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, SectionColor());
    painter->setPen(QPen(BorderColor(), 1, Qt::SolidLine));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.bottomLeft(), rect.topLeft());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomRight(), rect.bottomLeft());
    PaintSectionContents(painter, rect, logicalIndex);
    painter->restore();
}

QSize TableViewHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    size.rheight() += 4;
    return size;
}

void TableViewHeader::PaintSectionContents(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!model())
        return;
    painter->save();
    const QString caption = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    painter->setPen(Qt::white);
    painter->setFont(parentWidget() ? parentWidget()->font() : font());
    painter->drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, caption);

    if (logicalIndex == sortIndicatorSection()) {
        const int height = rect.height();
        painter->translate(rect.right() - height, rect.top());
        painter->setRenderHint(QPainter::Antialiasing);
        const QPolygon triangle = SortTriangle(sortIndicatorOrder()).translated(height / 2 + 6, height / 2);
        QPainterPath path;
        path.moveTo(triangle[0]);
        path.lineTo(triangle[1]);
        path.lineTo(triangle[2]);
        path.lineTo(triangle[0]);
        painter->fillPath(path, QBrush(Qt::white, Qt::SolidPattern));
    }
    painter->restore();
}

} // namespace pluginGui
