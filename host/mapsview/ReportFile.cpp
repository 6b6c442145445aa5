#include "ReportFile.h"

#include "xlsx/ExportProgress.h"
#include "xlsx/XlsxWorkbook.h"

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
    return workbook.SheetNames();
}

} // namespace host
