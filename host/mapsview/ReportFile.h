#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace exportReport {
class IExport;
}

namespace host {

namespace xlsx {
class ExportProgress;
}

struct ReportRequest {
    QString path;
    // Invalid bounds do not limit.
    QDateTime from;
    QDateTime until;
};

// Has the plug-in write all its records as report tables into the xlsx workbook at
// `request.path`, on the calling thread; returns the sheet names. Categories that failed are in
// `progress`, and the workbook is then removed again. Throws std::exception when the workbook
// cannot be written.
QStringList WriteReport(exportReport::IExport& exporter, const ReportRequest& request, xlsx::ExportProgress& progress);

} // namespace host
