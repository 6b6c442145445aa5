#pragma once

#include <QStringList>

namespace host {

// `mapsview sample DIR [--rows N] [--seed S] [--edge-cases] [--binary-descriptor]`: writes a
// sample backup into DIR and prints, as one JSON line, its files and what a reader must find.
int RunSampleCommand(const QStringList& arguments);

} // namespace host
