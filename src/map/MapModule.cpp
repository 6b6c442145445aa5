#include "MapModule.h"

#include "IMapPanel.h"

#include <QCoreApplication>
#include <QLibrary>

namespace map {

QString MapModulePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/AppleMapsMap");
}

IMapPanel* MakeMapPanel(const QString& modulePath, QWidget* parent, QString& error)
{
    // Destroying the QLibrary without unload() keeps the library loaded: the panels it made live on.
    QLibrary library(modulePath);
    const auto make = reinterpret_cast<MakeMapPanelFunction>(library.resolve(MakeMapPanelSymbol));
    if (!make) {
        error = library.errorString();
        return nullptr;
    }
    return make(parent);
}

} // namespace map
