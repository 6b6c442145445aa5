#include "ExportKmlCommand.h"
#include "ExportReportCommand.h"
#include "InfoCommand.h"
#include "LocaleFallback.h"
#include "PlugInHost.h"
#include "SampleCommand.h"
#include "ShowCommand.h"
#include "SummaryCommand.h"
#include "TempFolders.h"

#include "CryptLog/DecryptLogCommand.h"
#include "translations/InterfaceLanguage.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintUsage(QTextStream& out)
{
    out << "Usage: mapsview COMMAND [ARGUMENTS] [--language ru|en]\n"
           "A viewer for the Apple Maps data of extracted iCloud-synced backups.\n\n"
           "Commands:\n"
           "  show [PATH] [--screenshot OUT.png [--category 0-3] [--search TEXT] [--map]]   the window; or a PNG of it\n"
           "  info [PATH]   the category's name, shortcut and version; with PATH, its icon and record count\n"
           "  summary PATH  the category, its size and record counts as one JSON line\n"
           "  export-kml PATH KIND OUT.kml   every record of KIND (searches, favorites, explored, directions) as KML\n"
           "  export-report PATH OUT.xlsx [--from ISO-DATE] [--until ISO-DATE]   the records as xlsx report tables\n"
           "  sample DIR [--rows N] [--seed S] [--edge-cases] [--binary-descriptor]   writes a sample backup\n"
           "  decrypt-log IN OUT [--follow]   decrypts the encrypted log IN into the text file OUT\n"
           "  --help        this text\n"
           "  --version     the name and the plug-in's version\n";
}

} // namespace

int main(int argc, char* argv[])
{
    host::FallBackFromMissingLocale();
    // Before any thread starts, so that every thread leaves the signals to the cleanup's.
    host::RemoveTempFoldersOnTermination();
    host::RemoveStaleTempFolders();
    // Headless commands and screenshots need no display.
    if ((qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        || host::IsOffscreenShow(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    host::EnsureAppDataVariable();
    // The plug-in's map library links a web engine, which asks for this before the application
    // exists; the map never starts it.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mapsview"));

    QStringList arguments = app.arguments().mid(1);
    QTextStream out(stdout);
    QString language;
    if (!host::TakeLanguageOption(arguments, &language)) {
        QTextStream err(stderr);
        PrintUsage(err);
        return 2;
    }
    host::InstallInterfaceLanguage(language);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("info"))
        return host::RunInfoCommand(arguments);
    if (command == QLatin1String("export-kml"))
        return host::RunExportKmlCommand(arguments);
    if (command == QLatin1String("export-report"))
        return host::RunExportReportCommand(arguments);
    if (command == QLatin1String("sample"))
        return host::RunSampleCommand(arguments);
    if (command == QLatin1String("summary"))
        return host::RunSummaryCommand(arguments);
    if (command == QLatin1String("show"))
        return host::RunShowCommand(arguments);
    if (command == QLatin1String("decrypt-log")) {
        std::vector<std::string> decryptArguments;
        for (const QString& argument : arguments)
            decryptArguments.push_back(QFile::encodeName(argument).toStdString());
        return CryptLog::RunDecryptLog(decryptArguments, std::cerr);
    }
    if (command == QLatin1String("--version")) {
        out << "mapsview " MAPS_VERSION "\n";
        return 0;
    }
    PrintUsage(out);
    return command.isEmpty() || command == QLatin1String("--help") ? 0 : 2;
}
