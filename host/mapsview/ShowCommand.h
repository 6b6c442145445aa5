#pragma once

#include <QStringList>

namespace host {

// `mapsview show [PATH]`: the viewer's window, reading the backup at PATH (its folder or
// descriptor) when given. With `--screenshot OUT.png [--category N] [--search TEXT] [--map]` the
// window is drawn at a fixed size after the backup is read, category N chosen on the page's
// toolbar, the map shown beside the tables and TEXT searched, saved as a PNG, and closed; the exit
// status says whether that worked.
int RunShowCommand(const QStringList& arguments);

// Whether the command line asks for a window that is never shown on a display.
bool IsOffscreenShow(int argc, char* argv[]);

} // namespace host
