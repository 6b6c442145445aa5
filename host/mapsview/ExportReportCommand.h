#pragma once

#include <QStringList>

namespace host {

// `mapsview export-report PATH OUT.xlsx [--from ISO-DATE] [--until ISO-DATE]`: the backup's
// records as report tables, written by the plug-in's report export into an xlsx workbook.
int RunExportReportCommand(const QStringList& arguments);

} // namespace host
