#pragma once

#include "TableRowWriters.h"

#include "cmn/CommonExceptions.h"
#include "exportReport/ExportUtils.h"
#include "exportReport/TableColumns.h"
#include "exportReport/interfaces/ExportContext.h"
#include "exportReport/interfaces/FilterHolder.h"
#include "exportReport/interfaces/ITableExport.h"
#include "exportReport/interfaces/ITableExportFactory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace appleMaps::details {

// Row height of the report tables, in the host's units.
constexpr double TableRowHeight = 45.0;

// Writes one record kind as a table named `tableName`: the rows the context's filter and date
// range admit, then how many of all the kind's records made it. A kind without records gets no
// table. `counter` runs over all kinds of one export and feeds the progress sink.
template <typename Record>
void ExportCategoryTable(const std::vector<Record>& records, const std::string& tableName, int category,
                         const exportReport::CaptionMap& captions, const TableRowWriter<Record>& writeRow,
                         const exportReport::ExportContext& context, std::uint64_t& counter)
{
    namespace utils = exportReport::utils;
    if (records.empty())
        return;
    const std::shared_ptr<exportReport::ITableExport> table =
        context.tableFactory ? context.tableFactory->CreateTable(tableName, 1) : nullptr;
    if (!table)
        throw ulq::cmn::CommonException(CMN_SOURCE_LOCATION, "The report has no table " + tableName);

    exportReport::IFilterProvider* filterProvider =
        context.filterHolder ? context.filterHolder->filterProvider : nullptr;
    std::vector<Record> rows;
    if (context.exportMode && *context.exportMode == exportReport::FilteredExportMode && filterProvider)
        utils::FilterContainer(filterProvider->GetFilter(category), records, rows);
    else
        rows = records;

    utils::AddColumns(exportReport::MakeColumnDefinitions(captions), *table);
    std::uint64_t exported = 0;
    for (const Record& record : rows) {
        if (utils::IsInDateRange(context.lowerBound, context.upperBound, record.timestamp)) {
            table->BeginRow(TableRowHeight);
            writeRow(record, captions, table);
            ++exported;
            table->EndRow();
        }
        utils::StepProgress(context.progress, counter);
    }
    utils::ReportExportedCount(exported, records.size(), table);
}

} // namespace appleMaps::details
