#include "ClickableLabel.h"

namespace viewers::gui {

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit Clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace viewers::gui
