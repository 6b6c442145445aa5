#include "ParsedBackup.h"

#include "DescriptorPath.h"
#include "JournalPrinter.h"
#include "PlugInHost.h"

#include "core/interfaces/IPlugInBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <exception>

namespace host {

bool LoadParsedBackup(PlugInHost& plugInHost, const QString& path, QTextStream& err)
{
    QString error;
    const QString descriptorPath = FindDescriptor(path, &error);
    if (descriptorPath.isEmpty() || !plugInHost.Load(&error)) {
        err << error << Qt::endl;
        return false;
    }
    PrintJournalToStandardError(plugInHost.Journal());
    try {
        if (!plugInHost.OpenBackup(descriptorPath)) {
            const QString readError = DescriptorReadError(descriptorPath);
            err << (readError.isEmpty() ? QCoreApplication::translate("cmn", "No Apple Maps data in %1.")
                                              .arg(QDir::toNativeSeparators(descriptorPath))
                                        : readError)
                << Qt::endl;
            return false;
        }
        plugInHost.PlugIn()->Parse();
    } catch (const std::exception& exception) {
        err << QCoreApplication::translate("cmn", "Cannot read the backup: %1").arg(QString::fromUtf8(exception.what()))
            << Qt::endl;
        return false;
    }
    return true;
}

bool MayWriteExport(const QString& path, const QString& target, QTextStream& err)
{
    QString error;
    const QString descriptorPath = FindDescriptor(path, &error);
    if (!descriptorPath.isEmpty())
        error = ExportTargetRefusal(target, descriptorPath);
    if (error.isEmpty())
        return true;
    err << error << Qt::endl;
    return false;
}

} // namespace host
