#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "mapsview/PlugInHost.h"
#include "sample/SampleBackup.h"
#include "viewer/CategoryList.h"
#include "viewer/JournalPanel.h"
#include "viewer/MainWindow.h"
#include "viewer/PageControls.h"
#include "viewer/PageExporter.h"

#include "exportReport/button/ExportButton.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kParseTimeoutMs = 60000;

QTableView* ShownTable(const QWidget* page)
{
    for (QTableView* table : page->findChildren<QTableView*>()) {
        if (table->isVisible())
            return table;
    }
    return nullptr;
}

QStringList JournalTexts(const host::viewer::MainWindow& window)
{
    QStringList texts;
    const auto* panel = window.findChild<host::viewer::JournalPanel*>();
    for (int row = 0; panel && row < panel->topLevelItemCount(); ++row)
        texts << panel->topLevelItem(row)->text(2);
    return texts;
}

QString NotificationText(const QWidget& window)
{
    const auto* label = window.findChild<QLabel*>(QStringLiteral("NotificationMessageText"));
    // An elided notification keeps its whole text as the tool tip.
    return !label ? QString() : label->toolTip().isEmpty() ? label->text() : label->toolTip();
}

} // namespace

// The viewer's window over the real plug-in module, driven as a user would.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_appData.IsValid());
        host::sample::SampleOptions options;
        options.rowsPerTable = 40;
        m_firstSize = host::sample::WriteSampleBackup(m_backups.filePath("first"), options).CategorySize();
        options.rowsPerTable = 400;
        options.seed = 2;
        m_secondSize = host::sample::WriteSampleBackup(m_backups.filePath("second"), options).CategorySize();
        QString error;
        QVERIFY2(m_plugInHost.Load(&error), qPrintable(error));
    }

    // Read, switch to favourites, search, export the shown rows to KML and the category to an xlsx
    // report through the page's button and the host's dialog, then read a second backup, which
    // lets the first page go first.
    void readSearchExportAndReadAnother()
    {
        host::viewer::MainWindow window(m_plugInHost);
        const QString kmlPath = m_backups.filePath("shown-favorites.kml");
        const QString reportPath = m_backups.filePath("report.xlsx");
        QString chosenPath = kmlPath.chopped(4);
        QStringList offeredFormats;
        window.Exporter().SetSaveFileAsker([&](QWidget*, const QString& filter, QString* selectedFilter) {
            offeredFormats << filter;
            *selectedFilter = QStringLiteral("Kml file (*.kml)");
            return chosenPath;
        });
        window.resize(1400, 860);
        window.show();
        QVERIFY(OpenAndWait(window, m_backups.filePath("first")));
        QCOMPARE(window.findChild<host::viewer::CategoryList*>()->Entry()->text(),
                 QStringLiteral("Apple Maps (%1)").arg(m_firstSize));
        QTRY_VERIFY(
            JournalTexts(window).contains(QStringLiteral("[Apple Maps]: %1 records extracted.").arg(m_firstSize)));

        QWidget* page = window.Page();
        QWidget* favorites = host::viewer::FindCategoryButton(page, 1);
        QVERIFY(favorites);
        QTest::mouseClick(favorites, Qt::LeftButton);
        QTableView* table = ShownTable(page);
        QVERIFY(table);
        const int allRows = table->model()->rowCount();
        // The first favourite's whole address: a few of the sample's places at most share it.
        const QString address = table->model()->index(0, 4).data().toString();
        QVERIFY(!address.isEmpty());
        QLineEdit* search = host::viewer::FindSearchLine(page);
        QVERIFY(search);
        search->setText(address);
        QTest::keyClick(search, Qt::Key_Return);
        QTRY_VERIFY(table->model()->rowCount() < allRows);
        const int shownRows = table->model()->rowCount();

        QObject* button = qobject_cast<pluginGui::IExportButtonWidget*>(page)->GetExportButton();
        QVERIFY(QMetaObject::invokeMethod(button, "ActionTypeTriggered",
                                          Q_ARG(exportReport::ExportReportActionType, exportReport::Filtered)));
        QCOMPARE(offeredFormats, QStringList{QStringLiteral("Excel file (*.xlsx);;Kml file (*.kml)")});
        QTRY_VERIFY(NotificationText(window).startsWith(QStringLiteral("Category Favorites has been exported to")));
        QVERIFY(NotificationText(window).contains(kmlPath));
        QFile kml(kmlPath);
        QVERIFY(kml.open(QIODevice::ReadOnly));
        QCOMPARE(kml.readAll().count("<Placemark>"), shownRows);

        // The report is written before the export returns; its content is the xlsx suite's.
        chosenPath = reportPath;
        QVERIFY(QMetaObject::invokeMethod(button, "ActionTypeTriggered",
                                          Q_ARG(exportReport::ExportReportActionType, exportReport::All)));
        QVERIFY(QFileInfo(reportPath).size() > 0);

        const QPointer<QWidget> firstPage = page;
        QVERIFY(OpenAndWait(window, m_backups.filePath("second")));
        QVERIFY(!firstPage);
        QVERIFY(window.Page());
        QCOMPARE(window.findChild<host::viewer::CategoryList*>()->Entry()->text(),
                 QStringLiteral("Apple Maps (%1)").arg(m_secondSize));
    }

    void stoppedParseShowsNoPage()
    {
        // A backup the plug-in has not read yet, so that the parse outlasts the click on Stop.
        host::sample::SampleOptions options;
        options.rowsPerTable = 1000;
        host::sample::WriteSampleBackup(m_backups.filePath("unread"), options);
        host::viewer::MainWindow window(m_plugInHost);
        QAction* stop = nullptr;
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == QLatin1String("Stop"))
                stop = action;
        }
        QVERIFY(stop);
        QSignalSpy opened(&window, &host::viewer::MainWindow::BackupOpened);
        window.OpenBackup(m_backups.filePath("unread"));
        QVERIFY(stop->isEnabled());
        stop->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, kParseTimeoutMs);
        QCOMPARE(opened.first().first().toBool(), false);
        QVERIFY(!window.Page());
        QVERIFY(!stop->isEnabled());
        bool placeholderShown = false;
        for (const QLabel* label : window.findChildren<QLabel*>())
            placeholderShown |= label->text() == QLatin1String("Parsing stopped");
        QVERIFY(placeholderShown);
    }

private:
    static bool OpenAndWait(host::viewer::MainWindow& window, const QString& path)
    {
        QSignalSpy opened(&window, &host::viewer::MainWindow::BackupOpened);
        window.OpenBackup(path);
        return opened.wait(kParseTimeoutMs) && opened.first().first().toBool();
    }

    test::TemporaryAppData m_appData;
    QTemporaryDir m_backups;
    host::PlugInHost m_plugInHost;
    std::uint64_t m_firstSize = 0;
    std::uint64_t m_secondSize = 0;
};

MAPS_TEST_CLASS(TestMainWindow);
#include "tst_MainWindow.moc"
