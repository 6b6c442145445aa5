#pragma once

#include <QString>

class QWidget;

namespace exportReport {
class IExport;
}

namespace host::viewer {

// Writes every record of the category as report tables into the xlsx workbook at `path`. The
// plug-in works on a worker while a modal progress dialog over `parent` follows it. Empty on
// success, otherwise the reason for the user.
QString ExportReportWithProgress(exportReport::IExport& exporter, const QString& path, QWidget* parent);

} // namespace host::viewer
