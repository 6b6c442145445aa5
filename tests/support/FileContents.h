#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace test {

// Writes `content` to the file, creating or truncating it unless `mode` says to append; throws
// std::runtime_error when it cannot.
void WriteFile(const QString& path, const QByteArray& content, QIODevice::OpenMode mode = QIODevice::WriteOnly);
// The file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);

} // namespace test
