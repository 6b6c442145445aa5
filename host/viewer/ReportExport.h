#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace exportReport {
class IExport;
}

namespace host::viewer {

struct ReportExportOutcome {
    enum class Result { Written, Cancelled, Failed };

    Result result = Result::Failed;
    std::uint64_t rows = 0;
    // Why it failed, for the user.
    QString error;
};

// Writes every record of the category as report tables into the xlsx workbook at `path`. The
// plug-in works on a worker while a modal progress dialog over `parent` follows it; its Cancel
// gives the report up before anything is written.
ReportExportOutcome ExportReportWithProgress(exportReport::IExport& exporter, const QString& path, QWidget* parent);

} // namespace host::viewer
