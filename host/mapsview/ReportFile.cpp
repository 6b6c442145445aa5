#include "ReportFile.h"

#include "xlsx/ExportProgress.h"
#include "xlsx/XlsxWorkbook.h"

#include "cmn/WrittenFile.h"
#include "exportReport/interfaces/ExportContext.h"
#include "exportReport/interfaces/FilterHolder.h"
#include "exportReport/interfaces/IExport.h"

namespace host {

QStringList WriteReport(exportReport::IExport& exporter, const ReportRequest& request, xlsx::ExportProgress& progress)
{
    exportReport::FilterHolder filterHolder;
    int allRecords = 1;
    xlsx::XlsxWorkbook workbook(request.path);
    exportReport::ExportContext context;
    context.lowerBound = request.from;
    context.upperBound = request.until;
    context.progress = &progress;
    context.tableFactory = &workbook;
    context.filterHolder = &filterHolder;
    context.exportMode = &allRecords;
    exporter.Export(context);
    workbook.Close();
    // A report that lacks a category must not pass for the whole one.
    if (!progress.FailedCategories().isEmpty())
        ulq::cmn::utils::RemovePartialFile(request.path);
    return workbook.SheetNames();
}

} // namespace host
