#include "ReportExport.h"

#include "FutureWait.h"

#include "mapsview/ReportFile.h"
#include "xlsx/ExportProgress.h"

#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>
#include <QtConcurrent>

#include <exception>

namespace host::viewer {
namespace {

// The dialog moves in steps of a thousandth: a million records post a thousand updates.
constexpr int kProgressSteps = 1000;

} // namespace

QString ExportReportWithProgress(exportReport::IExport& exporter, const QString& path, QWidget* parent)
{
    QProgressDialog dialog(
        QCoreApplication::translate("cmn", "Exporting to %1...").arg(QDir::toNativeSeparators(path)), QString(), 0,
        kProgressSteps, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setCancelButton(nullptr);
    dialog.setMinimumDuration(0);
    dialog.setValue(0);

    int postedStep = 0; // touched only by the worker
    xlsx::ExportProgress progress([&dialog, &postedStep](std::uint64_t current, std::uint64_t total) {
        const int step = total == 0 ? 0 : static_cast<int>((current + 1) * kProgressSteps / total);
        if (step == postedStep)
            return;
        postedStep = step;
        QMetaObject::invokeMethod(&dialog, [&dialog, step] { dialog.setValue(step); }, Qt::QueuedConnection);
    });
    QString error;
    WaitWhileProcessingEvents(QtConcurrent::run([&] {
        try {
            WriteReport(exporter, ReportRequest{path, {}, {}}, progress);
        } catch (const std::exception& exception) {
            error = QString::fromUtf8(exception.what());
        }
    }));
    if (error.isEmpty() && !progress.FailedCategories().isEmpty())
        error = QCoreApplication::translate("cmn", "Not exported: %1")
                    .arg(progress.FailedCategories().join(QStringLiteral(", ")));
    return error;
}

} // namespace host::viewer
