#include "QuickControls.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

// Resources of a static library are registered by name, from the global namespace.
static void InitHostQmlResources()
{
    Q_INIT_RESOURCE(HostQml);
}

namespace host {

void InitQuickControls()
{
    static const bool initialized = [] {
        InitHostQmlResources();
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
        return true;
    }();
    Q_UNUSED(initialized);
}

} // namespace host
