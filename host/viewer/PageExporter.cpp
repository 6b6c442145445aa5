#include "PageExporter.h"

#include "ExportTarget.h"
#include "ReportExport.h"

#include "mapsview/DescriptorPath.h"
#include "mapsview/PlugInHost.h"

#include "CryptLog/log/Log.h"
#include "core/interfaces/IJournal.h"
#include "exportReport/button/ExportButton.h"
#include "exportReport/interfaces/IExportButtonFormat.h"
#include "exportReport/interfaces/INativeExport.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <exception>

namespace host::viewer {

PageExporter::PageExporter(PlugInHost& plugInHost, QObject* parent)
    : QObject(parent)
    , m_plugInHost(plugInHost)
    , m_askSaveFile([](QWidget* dialogParent, const QString& filter, QString* selectedFilter) {
        return QFileDialog::getSaveFileName(dialogParent, QCoreApplication::translate("cmn", "Export"), QString(),
                                            filter, selectedFilter);
    })
{
}

void PageExporter::SetSaveFileAsker(SaveFileAsker asker)
{
    m_askSaveFile = std::move(asker);
}

void PageExporter::Attach(QWidget* page)
{
    m_page = page;
    auto* exportWidget = qobject_cast<pluginGui::IExportButtonWidget*>(page);
    // The button's class lives in the plug-in: only its meta-object knows the signal, so the
    // connection is made by name.
    QObject* button = exportWidget ? static_cast<QObject*>(exportWidget->GetExportButton()) : nullptr;
    if (!button)
        return;
    connect(button, SIGNAL(ActionTypeTriggered(exportReport::ExportReportActionType)), this,
            SLOT(OnExportRequested(exportReport::ExportReportActionType)));
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
    QWidget* dialogParent = formats->GetExportParentWidget();
    QString selectedFilter;
    const ExportTarget target =
        ResolveExportTarget(m_askSaveFile(dialogParent, formats->GetExportFormats(), &selectedFilter), selectedFilter);
    const QString refusal = target.format == ExportTarget::Format::None
        ? QString()
        : ExportTargetRefusal(target.path, m_plugInHost.DescriptorPath());
    if (!refusal.isEmpty()) {
        ReportFailure(refusal);
        return;
    }
    switch (target.format) {
    case ExportTarget::Format::None: return;
    case ExportTarget::Format::Kml:
        if (exportReport::INativeExport* nativeExport = m_plugInHost.NativeExporter())
            nativeExport->Export({scope, target.path.toStdWString()});
        return;
    case ExportTarget::Format::Xlsx:
        // A report holds the whole category: the page's filter stays inside the plug-in.
        if (scope != exportReport::All) {
            QMessageBox::information(dialogParent, QCoreApplication::translate("cmn", "Export"),
                                     QCoreApplication::translate("cmn", "An Excel report holds every record of the "
                                                                        "category. Choose \"All...\" for it, or a KML "
                                                                        "file for the filtered rows."));
            return;
        }
        if (exportReport::IExport* exporter = m_plugInHost.Exporter()) {
            const QString error = ExportReportWithProgress(*exporter, target.path, dialogParent);
            if (!error.isEmpty())
                ReportFailure(QCoreApplication::translate("cmn", "Cannot write %1: %2")
                                  .arg(QDir::toNativeSeparators(target.path), error));
        }
        return;
    }
}

void PageExporter::ReportFailure(const QString& text)
{
    if (core::IJournal* journal = m_plugInHost.Journal())
        journal->AddWarning(text);
    QMessageBox::warning(m_page, QCoreApplication::translate("cmn", "Export"), text);
}

} // namespace host::viewer
