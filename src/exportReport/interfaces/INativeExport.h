#pragma once

#include "ExportReportActionType.h"

#include <QtPlugin>

#include <string>

namespace exportReport {

struct NativeExportRequest {
    ExportReportActionType scope = All;
    std::wstring path;
};

// Export in the category's own file format, through its page.
class INativeExport {
public:
    virtual ~INativeExport() = default;

    virtual void Export(const NativeExportRequest& request) = 0;
};

} // namespace exportReport

Q_DECLARE_INTERFACE(exportReport::INativeExport, "exportReport.INativeExport")
