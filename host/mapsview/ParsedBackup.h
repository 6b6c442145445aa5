#pragma once

#include <QString>

class QTextStream;

namespace host {

class PlugInHost;

// Loads the plug-in into `plugInHost`, opens the backup whose descriptor file or folder is
// `path` and parses it, showing the journal on standard error. False, with the reason written to
// `err`, when any step fails or the backup has no Apple Maps data.
bool LoadParsedBackup(PlugInHost& plugInHost, const QString& path, QTextStream& err);

// Whether an export may be written to `target` while the backup at `path` is open, asked before
// anything is opened for writing. False, with the reason written to `err`, when the target is
// evidence of that backup or the backup has no descriptor.
bool MayWriteExport(const QString& path, const QString& target, QTextStream& err);

} // namespace host
