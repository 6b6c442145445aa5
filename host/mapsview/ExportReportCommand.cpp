#include "ExportReportCommand.h"

#include "ParsedBackup.h"
#include "PlugInHost.h"
#include "ReportFile.h"

#include "xlsx/ExportProgress.h"

#include "exportReport/interfaces/IExport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <exception>
#include <optional>

namespace host {
namespace {

struct ReportArguments {
    QString backupPath;
    QString target;
    QDateTime from;
    QDateTime until;
};

// An ISO 8601 date or date-time; one without an offset is read as UTC, the zone of the records.
std::optional<QDateTime> ParseBound(const QString& text)
{
    QDateTime bound = QDateTime::fromString(text, Qt::ISODate);
    if (!bound.isValid())
        return std::nullopt;
    if (bound.timeSpec() == Qt::LocalTime)
        bound.setTimeSpec(Qt::UTC);
    return bound;
}

std::optional<ReportArguments> ParseArguments(const QStringList& arguments, QTextStream& err)
{
    ReportArguments parsed;
    QStringList positional;
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument != QLatin1String("--from") && argument != QLatin1String("--until")) {
            positional << argument;
            continue;
        }
        const std::optional<QDateTime> bound =
            index + 1 < arguments.size() ? ParseBound(arguments.at(++index)) : std::nullopt;
        if (!bound) {
            err << QCoreApplication::translate("cmn", "%1 needs an ISO date such as 2019-03-05 or 2019-03-05T14:07:00+03:00.")
                       .arg(argument)
                << Qt::endl;
            return std::nullopt;
        }
        (argument == QLatin1String("--from") ? parsed.from : parsed.until) = *bound;
    }
    if (positional.size() != 2) {
        err << QCoreApplication::translate("cmn",
                                           "Usage: mapsview export-report PATH OUT.xlsx [--from ISO-DATE] [--until ISO-DATE]")
            << Qt::endl;
        return std::nullopt;
    }
    parsed.backupPath = positional.at(0);
    parsed.target = positional.at(1);
    return parsed;
}

} // namespace

int RunExportReportCommand(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::optional<ReportArguments> parsed = ParseArguments(arguments, err);
    if (!parsed)
        return 2;
    if (!MayWriteExport(parsed->backupPath, parsed->target, err))
        return 1;
    PlugInHost plugInHost;
    if (!LoadParsedBackup(plugInHost, parsed->backupPath, err))
        return 1;
    exportReport::IExport* exporter = plugInHost.Exporter();
    if (!exporter) {
        err << QCoreApplication::translate("cmn", "%1 offers no report export.").arg(PlugInHost::PlugInPath()) << Qt::endl;
        return 1;
    }

    xlsx::ExportProgress progress;
    try {
        const ReportRequest request{parsed->target, parsed->from, parsed->until};
        const QStringList sheetNames = WriteReport(*exporter, request, progress).sheetNames;
        out << QCoreApplication::translate("cmn", "Wrote %1 sheets to %2: %3")
                   .arg(QString::number(sheetNames.size()), parsed->target, sheetNames.join(QStringLiteral(", ")))
            << Qt::endl;
    } catch (const std::exception& exception) {
        err << QCoreApplication::translate("cmn", "Cannot write %1: %2")
                   .arg(parsed->target, QString::fromUtf8(exception.what()))
            << Qt::endl;
        return 1;
    }
    if (!progress.FailedCategories().isEmpty()) {
        err << QCoreApplication::translate("cmn", "Not exported: %1").arg(progress.FailedCategories().join(QStringLiteral(", ")))
            << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace host
