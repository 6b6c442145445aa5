#pragma once

#include <QString>

namespace host {

// The backup descriptor named by `path`: the file itself, or "icloud_synced.xml" inside the
// folder `path`. Empty, with a user text in `error`, when there is none.
QString FindDescriptor(const QString& path, QString* error);

} // namespace host
