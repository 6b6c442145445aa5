#pragma once

#include <QColor>

class QWidget;

namespace viewers::gui {

// A dotted outline just inside the widget's edges while it has the keyboard focus, for controls
// whose style sheets leave no focus mark of their own. Call it at the end of the widget's
// paintEvent; color: one that stands out on the widget's background.
void PaintFocusFrame(QWidget* widget, const QColor& color = QColor(0x6d, 0x6e, 0x70));

} // namespace viewers::gui
