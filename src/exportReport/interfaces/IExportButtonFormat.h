#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

namespace exportReport {

// What the host's save dialog offers for a page's export button.
class IExportButtonFormat {
public:
    virtual ~IExportButtonFormat() = default;

    // File-type filter for the save dialog, "Type (*.ext);;Type (*.ext)".
    virtual QString GetExportFormats() const = 0;
    // The page, as the parent of the export dialogs; null while there is none.
    virtual QWidget* GetExportParentWidget() const = 0;
};

} // namespace exportReport

Q_DECLARE_INTERFACE(exportReport::IExportButtonFormat, "exportReport.IExportButtonFormat")
