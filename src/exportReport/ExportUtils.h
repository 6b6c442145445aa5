#pragma once

#include "TableColumns.h"

#include "viewers/gui/IFilter.h"

#include <QDateTime>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cmn {
class SystemErrorException;
}

namespace exportReport {

class IExportProgress;
class ITableExport;

namespace utils {

// The indices below `count` that `filter` accepts; none, and an error logged, for a null filter.
std::vector<std::size_t> FilterContainer(viewers::gui::IFilter* filter, std::size_t count);

// Copies into `out` the records whose index `filter` accepts. A null filter copies nothing.
template <typename Record>
void FilterContainer(viewers::gui::IFilter* filter, const std::vector<Record>& records, std::vector<Record>& out)
{
    for (std::size_t index : FilterContainer(filter, records.size()))
        out.push_back(records[index]);
}

// Whether `time` lies in [lower, upper); an invalid bound does not limit, and equal valid
// bounds admit exactly that instant.
bool IsInDateRange(const QDateTime& lower, const QDateTime& upper, const QDateTime& time);

void AddColumns(const std::vector<ColumnDefinition>& columns, ITableExport& table);

// Reports `counter` as the current record, then advances it; without a sink nothing happens.
void StepProgress(IExportProgress* progress, std::uint64_t& counter);

// The date-time text with its UTC offset; an invalid time leaves the cell empty.
void SetDateCell(const std::string& caption, const QDateTime& time, ITableExport& table);

// "Exported <exported> entries out of <total>." below the table's rows.
void ReportExportedCount(std::uint64_t exported, std::uint64_t total, const std::shared_ptr<ITableExport>& table);

// Logs the failure and tells the host that the category is missing from the report.
void LogExportError(const std::string& categoryName, const std::string& message, IExportProgress* progress);

// A full disk ends the whole report: throws ulq::cmn::CommonException with the temporary-folder
// message. Any other system error returns for the caller to handle as a failed category.
void ProcessExportSystemError(const cmn::SystemErrorException& exception);

} // namespace utils
} // namespace exportReport
