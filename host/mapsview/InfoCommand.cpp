#include "InfoCommand.h"

#include "DescriptorPath.h"
#include "JournalPrinter.h"
#include "PlugInHost.h"

#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IPlugInBase.h"

#include <QTextStream>

#include <exception>

namespace host {

int RunInfoCommand(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    PlugInHost plugInHost;
    QString error;
    if (!plugInHost.Load(&error)) {
        err << error << Qt::endl;
        return 1;
    }
    PrintJournalToStandardError(plugInHost.Journal());
    core::IPlugInBase* plugIn = plugInHost.PlugIn();
    const core::PlugInVersion& version = plugIn->GetVersion();
    out << "Category: " << plugIn->GetCategoryName() << Qt::endl
        << "Shortcut: " << plugIn->GetShortcut() << Qt::endl
        << "Version: " << version.versionMajor << '.' << version.versionMinor << '.' << version.build << '.'
        << version.revision << Qt::endl;
    if (arguments.isEmpty())
        return 0;

    const QString descriptorPath = FindDescriptor(arguments.first(), &error);
    if (descriptorPath.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }
    try {
        core::ICategoryPlugIn* category = plugInHost.OpenBackup(descriptorPath);
        if (!category) {
            out << "Backup: no Apple Maps data in " << arguments.first() << Qt::endl;
            return 0;
        }
        out << "Icon: " << category->GetIconPath() << Qt::endl
            << "Records: " << category->GetCategoryDataSize() << Qt::endl;
    } catch (const std::exception& exception) {
        err << "Cannot read the backup: " << QString::fromUtf8(exception.what()) << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace host
