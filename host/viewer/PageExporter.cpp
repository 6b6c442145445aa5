#include "PageExporter.h"

#include "ExportTarget.h"
#include "ReportExport.h"

#include "mapsview/DescriptorPath.h"
#include "mapsview/PlugInHost.h"

#include "CryptLog/log/Log.h"
#include "core/interfaces/IJournal.h"
#include "exportReport/button/ExportButton.h"
#include "exportReport/interfaces/IExport.h"
#include "exportReport/interfaces/IExportButtonFormat.h"
#include "exportReport/interfaces/INativeExport.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtConcurrent>

#include <exception>

namespace host::viewer {
namespace {

// The page writes one placemark per record it exports.
std::uint64_t CountPlacemarks(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    std::uint64_t count = 0;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Placemark"))
            ++count;
    }
    return count;
}

QString ExportCaption()
{
    return QCoreApplication::translate("cmn", "Export");
}

} // namespace

PageExporter::PageExporter(PlugInHost& plugInHost, QObject* parent)
    : QObject(parent)
    , m_plugInHost(plugInHost)
{
}

void PageExporter::Attach(QWidget* page, const QString& backupFolder)
{
    m_page = page;
    m_backupFolder = backupFolder;
    m_runningKml.clear();
    auto* exportWidget = qobject_cast<pluginGui::IExportButtonWidget*>(page);
    m_exportButton = exportWidget ? static_cast<QObject*>(exportWidget->GetExportButton()) : nullptr;
    if (!m_exportButton)
        return;
    // The button's class lives in the plug-in: only its meta-object knows the signal, so the
    // connection is made by name.
    connect(m_exportButton, SIGNAL(ActionTypeTriggered(exportReport::ExportReportActionType)), this,
            SLOT(OnExportRequested(exportReport::ExportReportActionType)));
    m_exportButton->installEventFilter(this);
}

void PageExporter::OnExportRequested(exportReport::ExportReportActionType scope)
{
    try {
        Export(scope);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
        ReportFailure(QString::fromUtf8(error.what()));
    }
}

void PageExporter::Export(exportReport::ExportReportActionType scope)
{
    exportReport::IExportButtonFormat* formats = m_plugInHost.ExportButtonFormat();
    if (!formats || !m_page)
        return;
    const QStringList fileTypes = OfferedFileTypes(formats->GetExportFormats(), scope);
    if (fileTypes.isEmpty()) {
        Refuse(QCoreApplication::translate("cmn", "This page cannot write these records to a file."));
        return;
    }
    if (RefuseWhileExporting())
        return;
    QString selectedType = fileTypes.first();
    const ExportTarget target = ResolveExportTarget(
        QFileDialog::getSaveFileName(formats->GetExportParentWidget(), ExportCaption(),
                                     ExportStartFolder(m_lastFolder, m_backupFolder),
                                     fileTypes.join(QStringLiteral(";;")), &selectedType),
        selectedType);
    if (target.format == ExportTarget::Format::None)
        return;
    const QString refusal = ExportTargetRefusal(target.path, m_plugInHost.DescriptorPath());
    if (!refusal.isEmpty()) {
        ReportFailure(refusal);
        return;
    }
    // The page may have gone, or started another export, while the dialog was open.
    if (!m_page || RefuseWhileExporting())
        return;
    m_lastFolder = QFileInfo(target.path).absolutePath();
    if (target.format == ExportTarget::Format::Kml)
        ExportKml(scope, target.path);
    else if (scope == exportReport::All)
        ExportReport(target.path);
    else
        Refuse(QCoreApplication::translate("cmn", "An Excel report holds every record of all four kinds: export it "
                                                  "with \"All...\". The shown records go to a KML file."));
}

bool PageExporter::RefuseWhileExporting()
{
    if (!IsExporting())
        return false;
    Refuse(QCoreApplication::translate("cmn", "The export to %1 is still running. Export again when it has ended.")
               .arg(QDir::toNativeSeparators(m_runningKml)));
    return true;
}

void PageExporter::ExportKml(exportReport::ExportReportActionType scope, const QString& path)
{
    exportReport::INativeExport* nativeExport = m_plugInHost.NativeExporter();
    auto* button = qobject_cast<QWidget*>(m_exportButton.data());
    if (!nativeExport || !button)
        return;
    core::IJournal* journal = m_plugInHost.Journal();
    m_journalMark = journal ? journal->EntryCount() : 0;
    nativeExport->Export({scope, path.toStdWString()});
    // The page holds its button down while it writes, and lets it go when the file is done.
    if (!button->isEnabled())
        m_runningKml = path;
    else
        ReportFailure(QCoreApplication::translate("cmn", "The page did not start the export to %1.")
                          .arg(QDir::toNativeSeparators(path)));
}

bool PageExporter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_exportButton && event->type() == QEvent::EnabledChange && IsExporting()
        && static_cast<QWidget*>(watched)->isEnabled())
        OnKmlWritten();
    return QObject::eventFilter(watched, event);
}

void PageExporter::OnKmlWritten()
{
    const QString path = m_runningKml;
    m_runningKml.clear();
    // The page reports a failure to the journal, naming the file.
    if (core::IJournal* journal = m_plugInHost.Journal()) {
        for (const core::JournalEntry& entry : journal->Entries(m_journalMark)) {
            if (entry.severity == core::JournalSeverity::Error && entry.text.contains(path)) {
                emit ExportEnded(QCoreApplication::translate("cmn", "The export to %1 failed: the journal tells why.")
                                     .arg(QDir::toNativeSeparators(path)));
                return;
            }
        }
    }
    auto* watcher = new QFutureWatcher<std::uint64_t>(this);
    connect(watcher, &QFutureWatcher<std::uint64_t>::finished, this, [this, watcher, path] {
        ReportWritten(path, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run([path] { return CountPlacemarks(path); }));
}

void PageExporter::ExportReport(const QString& path)
{
    exportReport::IExport* exporter = m_plugInHost.Exporter();
    if (!exporter)
        return;
    const ReportExportOutcome outcome =
        ExportReportWithProgress(*exporter, path, m_plugInHost.ExportButtonFormat()->GetExportParentWidget());
    switch (outcome.result) {
    case ReportExportOutcome::Result::Written: ReportWritten(path, outcome.rows); break;
    case ReportExportOutcome::Result::Cancelled: {
        const QString text = QCoreApplication::translate("cmn", "The export to %1 was cancelled: nothing was written.")
                                 .arg(QDir::toNativeSeparators(path));
        if (core::IJournal* journal = m_plugInHost.Journal())
            journal->AddInfo(text);
        emit ExportEnded(text);
        break;
    }
    case ReportExportOutcome::Result::Failed:
        ReportFailure(QCoreApplication::translate("cmn", "Cannot write %1: %2")
                          .arg(QDir::toNativeSeparators(path), outcome.error));
        break;
    }
}

void PageExporter::ReportWritten(const QString& path, std::uint64_t records)
{
    const QString text = QCoreApplication::translate("cmn", "Records written to %1: %2.")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(records);
    if (core::IJournal* journal = m_plugInHost.Journal())
        journal->AddInfo(text);
    emit ExportEnded(text);
}

void PageExporter::Refuse(const QString& text)
{
    QMessageBox::information(m_page, ExportCaption(), text);
}

void PageExporter::ReportFailure(const QString& text)
{
    if (core::IJournal* journal = m_plugInHost.Journal())
        journal->AddWarning(text);
    emit ExportEnded(text);
    QMessageBox::warning(m_page, ExportCaption(), text);
}

} // namespace host::viewer
