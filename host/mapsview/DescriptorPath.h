#pragma once

#include <QString>

namespace host {

// The backup descriptor named by `path`: the file itself, or "icloud_synced.xml" inside the
// folder `path`. Empty, with a user text in `error`, when there is none.
QString FindDescriptor(const QString& path, QString* error);

// Why the descriptor cannot be loaded as a property list, for the user; empty when it can. The
// plug-in answers such a backup with no data and no error, which must not pass for an empty one.
QString DescriptorReadError(const QString& descriptorPath);

// Why an export must not be written to `target` while the backup of `descriptorPath` is open: it
// is evidence (see cmn::ExportTargetRefusal). Empty when it may be written.
QString ExportTargetRefusal(const QString& target, const QString& descriptorPath);

} // namespace host
