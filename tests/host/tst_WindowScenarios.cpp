#include "ScenarioWindow.h"

#include "support/FileContents.h"
#include "support/TestRegistry.h"

#include "sample/SampleBackup.h"
#include "viewer/BackupLoader.h"
#include "viewer/PageControls.h"

#include "exportReport/button/ExportButton.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

using host::viewer::MainWindow;

constexpr int kLongWaitMs = 120000;

std::uint64_t RecordCount(const host::sample::SampleManifest& manifest)
{
    return manifest.Searches() + manifest.Favorites() + manifest.ExploredPlaces() + manifest.DirectionsSearches();
}

// Types a file name into the dialog and confirms it with Return.
void TypeAndConfirm(QFileDialog* dialog, const QString& text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void AnswerMessageBox(QString* text)
{
    test::AnswerNextDialog<QMessageBox>([text](QMessageBox* box) {
        *text = box->text();
        box->accept();
    });
}

void RequestExport(QWidget* page, exportReport::ExportReportActionType scope)
{
    QObject* button = qobject_cast<pluginGui::IExportButtonWidget*>(page)->GetExportButton();
    QMetaObject::invokeMethod(button, "ActionTypeTriggered", Q_ARG(exportReport::ExportReportActionType, scope));
}

QString WaitForExportToEnd(const MainWindow& window)
{
    const auto ended = [&window] { return !window.statusBar()->currentMessage().isEmpty(); };
    return QTest::qWaitFor(ended, kLongWaitMs) ? window.statusBar()->currentMessage() : QString();
}

int Placemarks(const QString& path)
{
    return test::ReadFile(path).count("<Placemark>");
}

} // namespace

// The viewer's window over the real plug-in, driven with the mouse and keys as a person would.
class TestWindowScenarios : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        host::sample::SampleOptions options;
        options.rowsPerTable = 40;
        options.edgeCases = true;
        m_edgeRecords = RecordCount(host::sample::WriteSampleBackup(m_backups.filePath("edge"), options));
        options.rowsPerTable = 60;
        options.edgeCases = false;
        m_secondRecords = RecordCount(host::sample::WriteSampleBackup(m_backups.filePath("second"), options));
        // Large enough that a click on Stop lands while it is parsed.
        options.rowsPerTable = 25000;
        m_largeRecords = RecordCount(host::sample::WriteSampleBackup(m_backups.filePath("large"), options));
        m_scenario = std::make_unique<test::ScenarioWindow>();
        QVERIFY(m_scenario->Window());
    }

    // File > Open with the dialog answered; the list tells the parsed count, not the count asked
    // before the parse, and forgets it the moment another backup opens.
    void readBackupsThroughTheFileMenu()
    {
        MainWindow& window = *m_scenario->Window();
        QCOMPARE(window.windowTitle(), QStringLiteral("mapsview"));
        const QString descriptor = m_backups.filePath("edge/icloud_synced.xml");
        test::AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) { TypeAndConfirm(dialog, descriptor); });
        QAction* fileMenu = window.menuBar()->actions().first();
        QTest::mouseClick(window.menuBar(), Qt::LeftButton, {}, window.menuBar()->actionGeometry(fileMenu).center());
        QTest::mouseClick(fileMenu->menu(), Qt::LeftButton, {},
                          fileMenu->menu()->actionGeometry(fileMenu->menu()->actions().first()).center());
        QVERIFY(m_scenario->WaitForBackup());
        QCOMPARE(window.windowTitle(), QDir::toNativeSeparators(descriptor) + QStringLiteral(" - mapsview"));
        QCOMPARE(m_scenario->CategoryListText(), QStringLiteral("Apple Maps (%1)").arg(m_edgeRecords));
        QTRY_VERIFY(m_scenario->JournalTexts().contains(
            QStringLiteral("[Apple Maps]: %1 records extracted.").arg(m_edgeRecords)));

        window.OpenBackup(m_backups.filePath("second"));
        QCOMPARE(m_scenario->CategoryListText(), QStringLiteral("Apple Maps"));
        QVERIFY(!window.Page());
        QVERIFY(m_scenario->WaitForBackup());
        QCOMPARE(m_scenario->CategoryListText(), QStringLiteral("Apple Maps (%1)").arg(m_secondRecords));
    }

    void exportDialogs_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("startFolder");
        QTest::addColumn<QStringList>("offeredTypes");
        QTest::addColumn<QString>("chosenType");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("file"); // empty: the export is refused
        const QString xlsx = QStringLiteral("Excel file (*.xlsx)");
        const QString kml = QStringLiteral("Kml file (*.kml)");
        // The rows run in order on one page: each starts where the previous export went.
        QTest::newRow("all of the kind to KML, from the documents folder")
            << int(exportReport::All) << "" << "{home}/Documents" << QStringList{xlsx, kml} << kml << "{out}/all"
            << "{out}/all.kml";
        QTest::newRow("shown records to KML, from the last export folder")
            << int(exportReport::Filtered) << "a" << "{out}" << QStringList{kml} << kml << "shown-v1.2"
            << "{out}/shown-v1.2.kml";
        QTest::newRow("shown records typed as a report are refused")
            << int(exportReport::Filtered) << "a" << "{out}" << QStringList{kml} << kml << "shown.xlsx" << "";
        QTest::newRow("a report of all kinds") << int(exportReport::All) << "" << "{out}" << QStringList{xlsx, kml}
                                               << xlsx << "Report.XLSX" << "{out}/Report.XLSX";
    }

    // The save dialog never starts inside the backup, offers only what the export can write, and
    // every export ends with a word: the file and its records, or why nothing was written.
    void exportDialogs()
    {
        QFETCH(int, scope);
        QFETCH(QString, search);
        QFETCH(QString, startFolder);
        QFETCH(QStringList, offeredTypes);
        QFETCH(QString, chosenType);
        QFETCH(QString, typedName);
        QFETCH(QString, file);
        for (QString* path : {&startFolder, &typedName, &file})
            path->replace("{home}", m_scenario->HomePath()).replace("{out}", m_exports.path());
        MainWindow& window = *m_scenario->Window();
        if (!window.windowTitle().contains(m_backups.filePath("second")))
            QVERIFY(m_scenario->Open(m_backups.filePath("second")));
        window.statusBar()->clearMessage();
        QLineEdit* searchLine = host::viewer::FindSearchLine(window.Page());
        searchLine->setText(search);
        QTest::keyClick(searchLine, Qt::Key_Return);

        QString shownFolder, firstSelected, refusal;
        QStringList shownTypes;
        test::AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) {
            shownFolder = dialog->directory().absolutePath();
            shownTypes = dialog->nameFilters();
            firstSelected = dialog->selectedNameFilter();
            dialog->selectNameFilter(chosenType);
            TypeAndConfirm(dialog, typedName);
        });
        if (file.isEmpty())
            AnswerMessageBox(&refusal);
        RequestExport(window.Page(), exportReport::ExportReportActionType(scope));
        QCOMPARE(shownFolder, startFolder);
        QCOMPARE(shownTypes, offeredTypes);
        QCOMPARE(firstSelected, offeredTypes.first());
        if (file.isEmpty()) {
            QVERIFY2(refusal.contains(QStringLiteral("\"All...\"")), qPrintable(refusal));
            QCOMPARE(QDir(m_exports.path()).entryList({"*.xlsx"}), QStringList());
            return;
        }
        const QString message = WaitForExportToEnd(window);
        const qint64 records = file.endsWith(QLatin1String(".kml")) ? Placemarks(file) : qint64(m_secondRecords);
        QVERIFY(records > 0);
        QCOMPARE(message, QStringLiteral("Records written to %1: %2.").arg(file).arg(records));
        QTRY_VERIFY(m_scenario->JournalTexts().contains(message));
    }

    // A map link where no browser can take it: the journal and the status bar name it, and it can
    // be copied from the journal.
    void mapLinkWithoutBrowser()
    {
        MainWindow& window = *m_scenario->Window();
        QVERIFY(host::viewer::PressCategoryButton(window.Page(), 1));
        QTableView* table = nullptr;
        for (QTableView* view : window.Page()->findChildren<QTableView*>())
            table = view->isVisible() ? view : table;
        const QPoint link = table->visualRect(table->model()->index(0, 3)).topLeft() + QPoint(16, 12);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, link);
        const QString message = window.statusBar()->currentMessage();
        QVERIFY2(message.contains(QStringLiteral("https://")), qPrintable(message));
        auto* journal = window.findChild<QTreeWidget*>();
        QTRY_COMPARE(m_scenario->JournalTexts().last(), message);
        journal->setCurrentItem(journal->topLevelItem(journal->topLevelItemCount() - 1));
        QTest::keyClick(journal, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), message);
    }

    // Stop gives the window back at once; nothing of the stopped parse shows, not even once it
    // has wound down, and opening the backup again reads it afresh.
    void stopGivesTheWindowBackAtOnce()
    {
        MainWindow& window = *m_scenario->Window();
        const QString large = m_backups.filePath("large");
        const QString started = QStringLiteral("[Apple Maps]: Parsing Apple Maps started.");
        const int parsesBefore = m_scenario->JournalTexts().count(started);
        window.OpenBackup(large);
        QTRY_COMPARE_WITH_TIMEOUT(m_scenario->JournalTexts().count(started), parsesBefore + 1, kLongWaitMs);

        auto* toolBar = window.findChild<QToolBar*>();
        QElapsedTimer sinceStop;
        sinceStop.start();
        QTest::mouseClick(toolBar->widgetForAction(toolBar->actions().at(1)), Qt::LeftButton); // Stop
        QTRY_VERIFY_WITH_TIMEOUT(toolBar->actions().at(0)->isEnabled(), 1000); // Open backup...
        QVERIFY(sinceStop.elapsed() < 1000);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Parsing stopped"));
        QVERIFY(!m_scenario->WaitForBackup());

        window.findChild<host::viewer::BackupLoader*>()->WaitUntilIdle();
        QTest::qWait(100);
        QVERIFY(!window.Page());
        QCOMPARE(m_scenario->CategoryListText(), QStringLiteral("Apple Maps"));

        QVERIFY(m_scenario->Open(large));
        QCOMPARE(m_scenario->JournalTexts().count(started), parsesBefore + 2);
        QCOMPARE(m_scenario->CategoryListText(), QStringLiteral("Apple Maps (%1)").arg(m_largeRecords));
    }

    // A second export while the page writes one is refused with the reason; the KML export ends
    // with the records written; the report's Cancel leaves no file behind.
    void longExportsCanBeWaitedForOrCancelled()
    {
        MainWindow& window = *m_scenario->Window();
        QVERIFY(window.windowTitle().contains(m_backups.filePath("large")));
        window.statusBar()->clearMessage();
        const QString kml = m_exports.filePath("large-searches.kml");
        test::AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) {
            dialog->selectNameFilter(QStringLiteral("Kml file (*.kml)"));
            TypeAndConfirm(dialog, kml);
        });
        RequestExport(window.Page(), exportReport::All);
        QString refusal;
        AnswerMessageBox(&refusal);
        RequestExport(window.Page(), exportReport::All);
        QVERIFY2(refusal.contains(QStringLiteral("still running")), qPrintable(refusal));
        const QString message = WaitForExportToEnd(window);
        QCOMPARE(message, QStringLiteral("Records written to %1: %2.").arg(kml).arg(Placemarks(kml)));

        const QString report = m_exports.filePath("given-up.xlsx");
        test::AnswerNextDialog<QFileDialog>([&](QFileDialog* dialog) { TypeAndConfirm(dialog, report); });
        test::AnswerNextDialog<QProgressDialog>([](QProgressDialog* progress) {
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        RequestExport(window.Page(), exportReport::All);
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("The export to %1 was cancelled: nothing was written.").arg(report));
        QVERIFY(!QFile::exists(report));
    }

private:
    QTemporaryDir m_backups;
    QTemporaryDir m_exports;
    std::unique_ptr<test::ScenarioWindow> m_scenario;
    std::uint64_t m_edgeRecords = 0;
    std::uint64_t m_secondRecords = 0;
    std::uint64_t m_largeRecords = 0;
};

MAPS_TEST_CLASS(TestWindowScenarios);
#include "tst_WindowScenarios.moc"
