#include "ReportFile.h"

#include "xlsx/ExportProgress.h"
#include "xlsx/XlsxWorkbook.h"

#include "cmn/WrittenFile.h"
#include "exportReport/interfaces/ExportContext.h"
#include "exportReport/interfaces/FilterHolder.h"
#include "exportReport/interfaces/IExport.h"
#include "exportReport/interfaces/ITableExport.h"

#include <memory>
#include <vector>

namespace host {
namespace {

// Keeps the tables the plug-in asks for, to count their rows once it is done.
class CountingTableFactory final : public exportReport::ITableExportFactory {
public:
    explicit CountingTableFactory(exportReport::ITableExportFactory& tables)
        : m_tables(tables)
    {
    }

    std::shared_ptr<exportReport::ITableExport> CreateTable(const std::string& name, int kind) override
    {
        m_created.push_back(m_tables.CreateTable(name, kind));
        return m_created.back();
    }

    std::uint64_t RowCount() const
    {
        std::uint64_t rows = 0;
        for (const auto& table : m_created)
            rows += static_cast<std::uint64_t>(table->GetRowCount());
        return rows;
    }

private:
    exportReport::ITableExportFactory& m_tables;
    std::vector<std::shared_ptr<exportReport::ITableExport>> m_created;
};

} // namespace

ReportCancelled::ReportCancelled()
    : std::runtime_error("The report export was cancelled.")
{
}

ReportResult WriteReport(exportReport::IExport& exporter, const ReportRequest& request, xlsx::ExportProgress& progress)
{
    exportReport::FilterHolder filterHolder;
    int allRecords = 1;
    xlsx::XlsxWorkbook workbook(request.path);
    CountingTableFactory tables(workbook);
    exportReport::ExportContext context;
    context.lowerBound = request.from;
    context.upperBound = request.until;
    context.progress = &progress;
    context.tableFactory = &tables;
    context.filterHolder = &filterHolder;
    context.exportMode = &allRecords;
    exporter.Export(context);
    // Nothing reaches the disk before Close: a report cancelled up to here leaves no file.
    if (request.cancelled && request.cancelled->load())
        throw ReportCancelled();
    const std::uint64_t rows = tables.RowCount();
    workbook.Close();
    // A report that lacks a category must not pass for the whole one.
    if (!progress.FailedCategories().isEmpty())
        ulq::cmn::utils::RemovePartialFile(request.path);
    return {workbook.SheetNames(), rows};
}

} // namespace host
