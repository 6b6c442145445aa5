#pragma once

#include "exportReport/interfaces/ExportReportActionType.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class QWidget;

namespace host {

class PlugInHost;

namespace viewer {

// Carries out what a page's export button asks for: asks the user for a target file with the
// file types that export can write, then has the plug-in write KML itself, or writes an xlsx
// report of the category through the host's workbook. Every export ends with a word to the
// user: the file and the records written, or why nothing was.
class PageExporter final : public QObject {
    Q_OBJECT

public:
    explicit PageExporter(PlugInHost& plugInHost, QObject* parent = nullptr);

    // Follows the export button of `page`, a page that offers one; the previous page is let go.
    // `backupFolder` is the evidence the save dialog never opens in.
    void Attach(QWidget* page, const QString& backupFolder);

signals:
    // An export has ended; `text` says how, and is in the journal too.
    void ExportEnded(QString text);

protected:
    // Sees the page's export button come back when the page has written its KML.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnExportRequested(exportReport::ExportReportActionType scope);

private:
    // An export the page is still writing.
    bool IsExporting() const { return !m_runningKml.isEmpty(); }
    void Export(exportReport::ExportReportActionType scope);
    // Tells the user, and answers true, while an export is running.
    bool RefuseWhileExporting();
    void ExportKml(exportReport::ExportReportActionType scope, const QString& path);
    void ExportReport(const QString& path);
    void OnKmlWritten();
    void ReportWritten(const QString& path, std::uint64_t records);
    // A message box over the page with the reason; failures go to the journal too.
    void Refuse(const QString& text);
    void ReportFailure(const QString& text);

    PlugInHost& m_plugInHost;
    QPointer<QWidget> m_page;
    QPointer<QObject> m_exportButton;
    QString m_backupFolder;
    QString m_lastFolder;
    // The KML file the page is writing, and the journal's length when it began.
    QString m_runningKml;
    int m_journalMark = 0;
};

} // namespace viewer
} // namespace host
