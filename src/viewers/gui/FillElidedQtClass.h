#pragma once

#include <QString>
#include <Qt>

class QWidget;

namespace viewers::gui::details {

// Shows `text` elided to `width` in any widget with a "text" property (labels, buttons); the
// full text becomes the tool tip only when something was cut.
void FillElidedQtClass(QWidget* widget, const QString& text, Qt::TextElideMode mode, int width);

} // namespace viewers::gui::details
