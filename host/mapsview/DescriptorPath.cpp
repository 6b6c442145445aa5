#include "DescriptorPath.h"

#include "cmn/PathEncoding.h"
#include "cmn/backup/EvidencePaths.h"
#include "cmn/plist/PlistFile.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <tinyxml.h>

#include <exception>

namespace host {
namespace {

constexpr char kDescriptorFileName[] = "icloud_synced.xml";

// Why nothing can be found at `path`: the system's own reason, which is not always absence.
QString MissingPathText(const QString& path)
{
    boost::system::error_code error;
    boost::filesystem::status(ulq::cmn::utils::PathFromQString(path), error);
    if (error == boost::system::errc::filename_too_long)
        return QCoreApplication::translate("cmn", "%1 is longer than the system allows for a path.")
            .arg(QDir::toNativeSeparators(path));
    return QCoreApplication::translate("cmn", "%1 does not exist.").arg(QDir::toNativeSeparators(path));
}

} // namespace

QString FindDescriptor(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = MissingPathText(path);
        return {};
    }
    if (!info.isDir())
        return info.absoluteFilePath();
    // Anything of that name is taken, for the plug-in to say what is wrong with it.
    const QFileInfo descriptor(QDir(path).absoluteFilePath(QString::fromLatin1(kDescriptorFileName)));
    if (!descriptor.exists()) {
        *error = QCoreApplication::translate("cmn", "%1 holds no backup descriptor \"%2\".")
                     .arg(QDir::toNativeSeparators(info.absoluteFilePath()), QString::fromLatin1(kDescriptorFileName));
        return {};
    }
    return descriptor.absoluteFilePath();
}

QString DescriptorReadError(const QString& descriptorPath)
{
    TiXmlDocument document;
    try {
        ulq::cmn::OpenPlistFile(ulq::cmn::utils::PathFromQString(descriptorPath), document);
    } catch (const std::exception&) {
        return QCoreApplication::translate("cmn", "The backup descriptor %1 could not be read.")
            .arg(QDir::toNativeSeparators(descriptorPath));
    }
    return {};
}

QString ExportTargetRefusal(const QString& target, const QString& descriptorPath)
{
    return cmn::ExportTargetRefusal(ulq::cmn::utils::PathFromQString(target),
                                    ulq::cmn::utils::PathFromQString(descriptorPath));
}

} // namespace host
