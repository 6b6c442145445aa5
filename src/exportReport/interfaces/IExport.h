#pragma once

#include <QtPlugin>

namespace exportReport {

struct ExportContext;

// The host's report export: the plug-in writes its records as tables through the context.
class IExport {
public:
    virtual ~IExport() = default;

    virtual void Export(const ExportContext& context) = 0;
    virtual void SetExportSettings(void* settings) = 0;
};

} // namespace exportReport

Q_DECLARE_INTERFACE(exportReport::IExport, "exportReport.IExport")
