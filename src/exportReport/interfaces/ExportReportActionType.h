#pragma once

#include <QMetaType>

namespace exportReport {

// The export scopes offered by a page's export button.
enum ExportReportActionType {
    All = 1,
    Filtered = 2,
    Selected = 3,
    FilteredDictionary = 4,
};

// The name under which older pages of the host pass the same type through signals.
using ExportBtn = ExportReportActionType;

} // namespace exportReport

Q_DECLARE_METATYPE(exportReport::ExportReportActionType)

namespace exportReport {

// Makes the type known to QVariant and queued connections under its qualified name and as
// "ExportBtn"; only the first call registers.
inline void RegisterExportReportActionType()
{
    static const bool registered = [] {
        qRegisterMetaType<ExportReportActionType>("exportReport::ExportReportActionType");
        qRegisterMetaType<ExportBtn>("ExportBtn");
        return true;
    }();
    Q_UNUSED(registered)
}

} // namespace exportReport
