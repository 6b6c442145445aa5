#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <stdexcept>

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
    // Set from another thread to give up; null when the caller never does.
    const std::atomic<bool>* cancelled = nullptr;
};

struct ReportResult {
    QStringList sheetNames;
    // Table rows written, summaries and captions not counted.
    std::uint64_t rows = 0;
};

// Thrown when a report is given up: the workbook is discarded, nothing reaches the disk.
class ReportCancelled final : public std::runtime_error {
public:
    ReportCancelled();
};

// Has the plug-in write all its records as report tables into the xlsx workbook at
// `request.path`, on the calling thread. Categories that failed are in `progress`, and the workbook
// is then removed again. Throws ReportCancelled when cancelled before the file is written, and
// std::exception when the workbook cannot be written.
ReportResult WriteReport(exportReport::IExport& exporter, const ReportRequest& request, xlsx::ExportProgress& progress);

} // namespace host
