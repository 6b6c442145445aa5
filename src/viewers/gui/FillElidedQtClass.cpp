#include "FillElidedQtClass.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/ElideText.h"

#include <QVariant>
#include <QWidget>

namespace viewers::gui::details {

void FillElidedQtClass(QWidget* widget, const QString& text, Qt::TextElideMode mode, int width)
{
    if (widget == nullptr) {
        LOG_DEBUG << "Type t is null";
        return;
    }
    const QString elided = ElideText(widget->fontMetrics(), mode, text, width);
    widget->setProperty("text", elided);
    widget->setToolTip(elided == text ? QString() : QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped()));
}

} // namespace viewers::gui::details
