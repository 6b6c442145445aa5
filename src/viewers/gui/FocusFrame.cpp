#include "FocusFrame.h"

#include <QPainter>
#include <QWidget>

namespace viewers::gui {

void PaintFocusFrame(QWidget* widget, const QColor& color)
{
    if (!widget->hasFocus())
        return;
    QPainter painter(widget);
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widget->rect().adjusted(1, 1, -2, -2));
}

} // namespace viewers::gui
