#include "ElideText.h"

#include <QFontMetrics>

namespace viewers::gui {

QString ElideText(const QFontMetrics& metrics, Qt::TextElideMode mode, const QString& text, int width)
{
    QString elided = metrics.elidedText(text, mode, width);
    if (elided.length() == text.length() || mode != Qt::ElideRight)
        return elided;
    elided.truncate(elided.length() < 3 ? 0 : elided.length() - 2);
    elided.append(QChar(0x2026));
    return elided;
}

} // namespace viewers::gui
