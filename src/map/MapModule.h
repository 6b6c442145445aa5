#pragma once

#include <QString>

class QWidget;

namespace map {

class IMapPanel;

// "plugins/AppleMapsMap" beside the executable, without the platform's suffix, which the loader
// adds.
QString MapModulePath();

// A new panel from the map's library at `modulePath`, which stays loaded for the process; null
// when the library cannot be loaded or has no panels to make, with the reason in `error`.
IMapPanel* MakeMapPanel(const QString& modulePath, QWidget* parent, QString& error);

} // namespace map
