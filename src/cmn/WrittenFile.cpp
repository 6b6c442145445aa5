#include "WrittenFile.h"

#include "platform/Platform.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace ulq::cmn::utils {

bool FinishWrittenFile(QFile& file)
{
    const bool written = file.error() == QFileDevice::NoError && file.flush()
        && ::cmn::platform::SyncToDisk(file.handle());
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool SyncWrittenFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && ::cmn::platform::SyncToDisk(file.handle());
}

void RemovePartialFile(const QString& path)
{
    // Not through a link: whatever it points to was there before the write.
    const QFileInfo info(path);
    if (info.isFile() && !info.isSymLink())
        QFile::remove(path);
}

bool WriteWholeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) == content.size() && FinishWrittenFile(file))
        return true;
    file.close();
    RemovePartialFile(path);
    return false;
}

} // namespace ulq::cmn::utils
