#pragma once

#include <QStringList>

namespace host {

// `mapsview export-kml PATH KIND OUT.kml`: every record of KIND (searches, favorites, explored,
// directions) in the backup at PATH, written through the presenter as the page writes it.
int RunExportKmlCommand(const QStringList& arguments);

} // namespace host
