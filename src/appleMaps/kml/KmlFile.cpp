#include "KmlFile.h"

#include "cmn/CommonExceptions.h"
#include "cmn/PathEncoding.h"

#include <QCoreApplication>
#include <QFile>

namespace appleMaps::details {

void OpenKmlFile(QFile& file, const boost::filesystem::path& path, const cmn::SourceLocation& writer)
{
    file.setFileName(ulq::cmn::utils::PathToQString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw cmn::PlugInCommonException(writer, QCoreApplication::translate("cmn", "Can't open file").toStdString());
}

void CloseKmlFile(QFile& file, const cmn::SourceLocation& writer)
{
    const bool written = file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    if (!written)
        throw cmn::PlugInCommonException(writer,
                                         QCoreApplication::translate("cmn", "Unable to write file").toStdString());
}

} // namespace appleMaps::details
