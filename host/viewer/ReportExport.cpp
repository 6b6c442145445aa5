#include "ReportExport.h"

#include "FutureWait.h"

#include "mapsview/ReportFile.h"
#include "xlsx/ExportProgress.h"

#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>
#include <QtConcurrent>

#include <atomic>
#include <exception>

namespace host::viewer {
namespace {

// The dialog moves in steps of a thousandth: a million records post a thousand updates.
constexpr int kProgressSteps = 1000;

} // namespace

ReportExportOutcome ExportReportWithProgress(exportReport::IExport& exporter, const QString& path, QWidget* parent)
{
    QProgressDialog dialog(
        QCoreApplication::translate("cmn", "Exporting to %1...").arg(QDir::toNativeSeparators(path)),
        QCoreApplication::translate("cmn", "Cancel"), 0, kProgressSteps, parent);
    dialog.setWindowTitle(QCoreApplication::translate("cmn", "Export"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setValue(0);
    std::atomic<bool> cancelled{false};
    QObject::connect(&dialog, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });

    int postedStep = 0; // touched only by the worker
    // Throwing from the progress sink is how the plug-in's loop over the records is left.
    xlsx::ExportProgress progress([&dialog, &postedStep, &cancelled](std::uint64_t current, std::uint64_t total) {
        if (cancelled)
            throw ReportCancelled();
        const int step = total == 0 ? 0 : static_cast<int>((current + 1) * kProgressSteps / total);
        if (step == postedStep)
            return;
        postedStep = step;
        QMetaObject::invokeMethod(&dialog, [&dialog, step] { dialog.setValue(step); }, Qt::QueuedConnection);
    });
    ReportExportOutcome outcome;
    WaitWhileProcessingEvents(QtConcurrent::run([&] {
        try {
            ReportRequest request{path, {}, {}};
            request.cancelled = &cancelled;
            outcome.rows = WriteReport(exporter, request, progress).rows;
            outcome.result = ReportExportOutcome::Result::Written;
        } catch (const ReportCancelled&) {
            outcome.result = ReportExportOutcome::Result::Cancelled;
        } catch (const std::exception& exception) {
            outcome.error = QString::fromUtf8(exception.what());
        }
    }));
    if (outcome.result == ReportExportOutcome::Result::Written && !progress.FailedCategories().isEmpty()) {
        outcome.result = ReportExportOutcome::Result::Failed;
        outcome.error = QCoreApplication::translate("cmn", "Not exported: %1")
                            .arg(progress.FailedCategories().join(QStringLiteral(", ")));
    }
    return outcome;
}

} // namespace host::viewer
