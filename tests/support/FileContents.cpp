#include "FileContents.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace test {

void WriteFile(const QString& path, const QByteArray& content, QIODevice::OpenMode mode)
{
    QFile file(path);
    if (!file.open(mode) || file.write(content) != content.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FolderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace test
