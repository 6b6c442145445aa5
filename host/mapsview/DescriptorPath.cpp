#include "DescriptorPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace host {
namespace {

constexpr char kDescriptorFileName[] = "icloud_synced.xml";

} // namespace

QString FindDescriptor(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QCoreApplication::translate("cmn", "%1 does not exist.").arg(QDir::toNativeSeparators(path));
        return {};
    }
    if (!info.isDir())
        return info.absoluteFilePath();
    const QFileInfo descriptor(QDir(path).absoluteFilePath(QString::fromLatin1(kDescriptorFileName)));
    if (!descriptor.isFile()) {
        *error = QCoreApplication::translate("cmn", "%1 holds no backup descriptor \"%2\".")
                     .arg(QDir::toNativeSeparators(info.absoluteFilePath()), QString::fromLatin1(kDescriptorFileName));
        return {};
    }
    return descriptor.absoluteFilePath();
}

} // namespace host
