#pragma once

class QByteArray;
class QFile;
class QString;

namespace ulq::cmn::utils {

// Flushes `file`, has the system put its bytes on disk and closes it. False when any of it may be
// missing: a full disk or a failing device shows here at the latest, after writes that seemed fine.
bool FinishWrittenFile(QFile& file);

// The same for a file that another library wrote and closed at `path`.
bool SyncWrittenFile(const QString& path);

// Removes what a failed write left at `path`: a regular file only, never the device or the folder
// that the path may name.
void RemovePartialFile(const QString& path);

// Writes `content` to a new or truncated file at `path` and puts it on disk; false, with no
// partial file left, when it cannot.
bool WriteWholeFile(const QString& path, const QByteArray& content);

} // namespace ulq::cmn::utils
