#pragma once

#include <QDateTime>

namespace exportReport {

class IExportProgress;
class ITableExportFactory;
struct FilterHolder;

// Export mode: only the rows that the category's current filter accepts.
constexpr int FilteredExportMode = 2;

// What the host hands to IExport::Export.
struct ExportContext {
    // Records before `lowerBound` or at or after `upperBound` are left out; an invalid bound
    // does not limit.
    QDateTime lowerBound;
    QDateTime upperBound;
    IExportProgress* progress = nullptr; // may be null
    ITableExportFactory* tableFactory = nullptr;
    FilterHolder* filterHolder = nullptr; // may be null
    int* exportMode = nullptr;            // FilteredExportMode, or any other value for all records
};

} // namespace exportReport
