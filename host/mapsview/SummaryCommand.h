#pragma once

#include <QStringList>

namespace host {

// `mapsview summary PATH` (the descriptor, or the backup folder holding it): drives the plug-in
// through a size query and a parse as the viewer does and prints one JSON line with the
// category, its size and the four record counts. Journal entries go to standard error; the exit
// status is non-zero when the backup cannot be read.
int RunSummaryCommand(const QStringList& arguments);

} // namespace host
