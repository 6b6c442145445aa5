#include "TabOrder.h"

#include <QWidget>

namespace pluginGui {

QList<QWidget*> TabStopsWithin(QWidget* area)
{
    QList<QWidget*> stops;
    if (area == nullptr)
        return stops;
    for (QWidget* widget = area->nextInFocusChain(); widget != area; widget = widget->nextInFocusChain()) {
        if (area->isAncestorOf(widget) && widget->window() == area->window()
            && (widget->focusPolicy() & Qt::TabFocus) != 0 && !stops.contains(widget))
            stops << widget;
    }
    return stops;
}

void ChainTabOrder(const QList<QWidget*>& stops)
{
    for (int index = 1; index < stops.size(); ++index)
        QWidget::setTabOrder(stops[index - 1], stops[index]);
}

} // namespace pluginGui
