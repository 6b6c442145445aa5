#pragma once

#include <QStringList>

namespace host {

// `mapsview info [PATH]`: the category's identity, and its size in the backup at PATH.
int RunInfoCommand(const QStringList& arguments);

} // namespace host
