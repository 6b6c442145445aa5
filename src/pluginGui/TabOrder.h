#pragma once

#include <QList>

class QWidget;

namespace pluginGui {

// The widgets inside area that Tab stops at, in the order the focus chain visits them now;
// widgets of other windows (pop-ups) are left out.
QList<QWidget*> TabStopsWithin(QWidget* area);

// Makes Tab visit the widgets in the order given.
void ChainTabOrder(const QList<QWidget*>& stops);

} // namespace pluginGui
