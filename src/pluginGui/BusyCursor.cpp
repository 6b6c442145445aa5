#include "BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

namespace pluginGui {

void ShowBusyCursorUntilIdle()
{
    static bool shown = false;
    if (shown || QGuiApplication::instance() == nullptr)
        return;
    shown = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QTimer::singleShot(0, QGuiApplication::instance(), [] {
        QGuiApplication::restoreOverrideCursor();
        shown = false;
    });
}

} // namespace pluginGui
