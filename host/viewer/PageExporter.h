#pragma once

#include "exportReport/interfaces/ExportReportActionType.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace host {

class PlugInHost;

namespace viewer {

// Carries out what a page's export button asks for: asks the user for a target file with the
// plug-in's file types, then has the plug-in write KML itself (the page reports the result), or
// writes an xlsx report of the category through the host's workbook. Failures go to a message
// box and the journal.
class PageExporter final : public QObject {
    Q_OBJECT

public:
    // Returns the chosen file, empty when cancelled, and the chosen file type in
    // `selectedFilter`; the default is the save-file dialog.
    using SaveFileAsker =
        std::function<QString(QWidget* parent, const QString& filter, QString* selectedFilter)>;

    explicit PageExporter(PlugInHost& plugInHost, QObject* parent = nullptr);

    void SetSaveFileAsker(SaveFileAsker asker);
    // Follows the export button of `page`, a page that offers one; the previous page is let go.
    void Attach(QWidget* page);

private slots:
    void OnExportRequested(exportReport::ExportReportActionType scope);

private:
    void Export(exportReport::ExportReportActionType scope);
    void ReportFailure(const QString& text);

    PlugInHost& m_plugInHost;
    SaveFileAsker m_askSaveFile;
    QPointer<QWidget> m_page;
};

} // namespace viewer
} // namespace host
