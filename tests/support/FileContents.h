#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace test {

// Writes `content` to the file, creating or truncating it unless `mode` says to append; throws
// std::runtime_error when it cannot.
void WriteFile(const QString& path, const QByteArray& content, QIODevice::OpenMode mode = QIODevice::WriteOnly);
// The file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// The names of everything in a folder, hidden entries included.
QStringList FolderEntries(const QString& folder);

} // namespace test
