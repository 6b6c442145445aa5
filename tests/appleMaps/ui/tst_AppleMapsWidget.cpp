#include "support/AppleMapsBackupFixture.h"
#include "support/TestRegistry.h"
#include "support/XmlTree.h"

#include "qml/QuickControls.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "appleMaps/ui/AppleMapsToolBar.h"
#include "appleMaps/ui/AppleMapsWidget.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "exportReport/button/ExportButton.h"
#include "exportReport/button/ExportSaveMenu.h"
#include "pluginGui/ClickableLabelBase.h"
#include "pluginGui/InfoBarWidget.h"
#include "translations/Translator.h"
#include "viewers/gui/NoResultsWidget.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// The real plug-in, remembering what reaches the journal as an error.
class ErrorRecordingPlugIn final : public appleMaps::AppleMapsPlugIn {
public:
    void ReportError(const QString& message) override
    {
        errors << message;
        AppleMapsPlugIn::ReportError(message);
    }

    QStringList errors;
};

// A backup with the rows that `sql` inserts, parsed by the plug-in as the host drives it.
struct ParsedBackup {
    explicit ParsedBackup(const QString& sql)
    {
        if (!sql.isEmpty())
            backup.Execute(sql);
        core::IPlugInBase& host = plugIn;
        host.SetTempPath(tempFolder.path().toStdWString());
        host.SetDataPath(backup.DescriptorPath());
        host.Parse();
    }

    // The page the host gets; the host owns it.
    std::unique_ptr<core::CategoryViewBase> TakePage()
    {
        core::IPlugInBase& host = plugIn;
        host.CreateView();
        return std::unique_ptr<core::CategoryViewBase>(host.GetCategoryPlugIn()->TakeView());
    }

    test::AppleMapsBackupFixture backup;
    QTemporaryDir tempFolder;
    ErrorRecordingPlugIn plugIn;
};

// Explored places, newest first: Park (40.5), Zoo (30.5), Arbat Museum (20.5), Arbat Cafe (10.5); the
// longitude tells them apart in the KML.
const QString FourPlaces = QStringLiteral(
    "INSERT INTO PlaceDisplays VALUES ('p1', 600000100, 1.5, 10.5, '', '', '', 'Arbat Cafe'),"
    "('p2', 600000300, 3.5, 30.5, '', '', '', 'Zoo'), ('p3', 600000200, 2.5, 20.5, '', '', '', 'Arbat Museum'),"
    "('p4', 600000400, 4.5, 40.5, '', '', '', 'Park');");

// "1" for each enabled category button, "0" for each disabled one.
QString EnabledMask(const appleMaps::ui::AppleMapsToolBar& toolbar)
{
    QString mask;
    for (const pluginGui::ClickableLabelBase* button : toolbar.GetButtons())
        mask += button->IsEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

// The longitude of every placemark's first track point, each followed by "|".
QString KmlLongitudes(const QString& path)
{
    QString longitudes;
    const test::XmlElement root = test::ReadXmlFile(path, &longitudes);
    for (const test::XmlElement* placemark : test::KmlPlacemarks(root))
        longitudes += QString::number(placemark->TextAt("gx:Track/gx:coord").section(' ', 0, 0).toDouble()) + '|';
    return longitudes;
}

void Search(QWidget& page, const QString& text)
{
    auto* edit = page.findChild<QLineEdit*>(QStringLiteral("leSearch"));
    QVERIFY(edit);
    // The box searches after a typing pause.
    edit->setText(text);
}

QString OfferedExports(QWidget& page)
{
    QString entries;
    for (const QAction* action : page.findChild<pluginGui::ExportButton*>()->GetMenu()->actions())
        entries += action->isVisible() ? action->text() + '|' : QString();
    return entries;
}

QAbstractItemModel* ShownRows(QWidget& page)
{
    auto* pages = page.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    auto* view = pages->currentWidget()->findChild<QTableView*>();
    return view ? view->model() : nullptr;
}

} // namespace

class AppleMapsWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { host::InitQuickControls(); }

    void startsOnTheFirstCategoryWithRecords_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("startCategory");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("favourites only") << "INSERT INTO PlaceBookmarks (identifier, timestamp, title) "
                                            "VALUES ('b0', 600000000, 'Home');" << 1 << "0100";
        QTest::newRow("searches and directions")
            << "INSERT INTO QuerySearches VALUES ('q0', 600000000, 'coffee', '', 1, 2, 3, 4);"
               "INSERT INTO DirectionsSearches VALUES ('d0', 600000000, 1, '', '', '', 'Home', 55.7, 37.6, 55.8, 37.7);"
            << 0 << "1001";
        QTest::newRow("no records: toolbar never initialised") << QString() << -1 << "";
    }

    void startsOnTheFirstCategoryWithRecords()
    {
        QFETCH(QString, sql);
        QFETCH(int, startCategory);
        QFETCH(QString, enabled);
        ParsedBackup parsed(sql);
        appleMaps::ui::AppleMapsWidget page(&parsed.plugIn);
        auto* toolbar = page.findChild<appleMaps::ui::AppleMapsToolBar*>();
        QVERIFY(toolbar);
        QCOMPARE(toolbar->GetCurrentCategory(), startCategory);
        QCOMPARE(EnabledMask(*toolbar), enabled);
        if (startCategory >= 0)
            QCOMPARE(page.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentIndex(), startCategory);
    }

    void searchWithoutMatchesShowsThePlaceholderUntilCleared()
    {
        ParsedBackup parsed(FourPlaces);
        const std::unique_ptr<core::CategoryViewBase> page = parsed.TakePage();
        QVERIFY(page);
        auto* placeholder = page->findChild<viewers::gui::NoResultsWidget*>();
        auto* pages = page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        auto* infoBar = pages->currentWidget()->findChild<pluginGui::InfoBarWidget*>();
        QVERIFY(placeholder && infoBar);
        QVERIFY(placeholder->isHidden());

        Search(*page, QStringLiteral("no such place"));
        QTRY_VERIFY(!placeholder->isHidden());
        QVERIFY(pages->isHidden());
        QVERIFY(infoBar->isHidden());
        QVERIFY(!page->findChild<pluginGui::ExportButton*>()->isEnabled());

        Search(*page, QString());
        QTRY_VERIFY(placeholder->isHidden());
        QVERIFY(!pages->isHidden());
        QVERIFY(!infoBar->isHidden());
        QVERIFY(page->findChild<pluginGui::ExportButton*>()->isEnabled());
    }

    void exportWritesTheScopeOfTheCurrentCategory_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("longitudes");
        QTest::newRow("filtered: the shown rows in view order") << int(exportReport::Filtered) << "20.5|10.5|";
        QTest::newRow("all: every record in stored order") << int(exportReport::All) << "10.5|30.5|20.5|40.5|";
    }

    void exportWritesTheScopeOfTheCurrentCategory()
    {
        QFETCH(int, scope);
        ParsedBackup parsed(FourPlaces);
        const std::unique_ptr<core::CategoryViewBase> page = parsed.TakePage();
        QVERIFY(page);
        QCOMPARE(OfferedExports(*page), QStringLiteral("All...|"));
        Search(*page, QStringLiteral("Arbat"));
        QTRY_COMPARE(ShownRows(*page)->rowCount(), 2);
        QCOMPARE(OfferedExports(*page), QStringLiteral("Filtered...|All...|"));

        const QString path = parsed.tempFolder.filePath(QStringLiteral("places.kml"));
        exportReport::INativeExport& nativeExport = parsed.plugIn;
        nativeExport.Export({static_cast<exportReport::ExportReportActionType>(scope), path.toStdWString()});

        QLabel* message = nullptr;
        QTRY_VERIFY((message = page->findChild<QLabel*>(QStringLiteral("NotificationMessageText"))));
        QTEST(KmlLongitudes(path), "longitudes");
        // The caption of explored places ends in a blank of its own.
        QVERIFY2(message->text().contains(QStringLiteral("Category Explored places  has been exported to ") + path),
                 qPrintable(message->text()));
        QVERIFY(parsed.plugIn.errors.isEmpty());
        QVERIFY(page->findChild<pluginGui::ExportButton*>()->isEnabled());
    }

    // Russian texts run longer than the English ones.
    void captionsShowWholeInEveryLanguage()
    {
        for (const QLocale::Language language : {QLocale::English, QLocale::Russian}) {
            const std::unique_ptr<QTranslator> translator(translations::utils::InstallTranslator(language));
            ParsedBackup parsed(FourPlaces);
            appleMaps::ui::AppleMapsWidget page(&parsed.plugIn);
            page.resize(1180, 800);
            page.show();
            auto* panel = page.findChild<QWidget*>(QStringLiteral("filterPanel"));
            QWidgetList captions = panel->findChildren<QWidget*>(QStringLiteral("btnHide"));
            auto* toolbar = page.findChild<appleMaps::ui::AppleMapsToolBar*>();
            for (QLabel* label : panel->findChildren<QLabel*>() + toolbar->findChildren<QLabel*>())
                captions << (label->isVisible() && !qobject_cast<pluginGui::ClickableLabelBase*>(label) ? label : nullptr);
            captions.removeAll(nullptr);
            // Whole, and a gap from their neighbours, so that their words do not run together.
            for (QWidget* caption : captions)
                for (QWidget* other : captions)
                    QVERIFY2(caption->width() >= caption->sizeHint().width()
                                 && (other == caption || other->parent() != caption->parent()
                                     || !other->geometry().intersects(caption->geometry().adjusted(-2, 0, 2, 0))),
                             qPrintable(caption->property("text").toString()));
            // The painted caption runs from the left margin (6) to before the arrow (8 pixels, padding 8).
            auto* button = page.findChild<pluginGui::ExportButton*>();
            const QString exportCaption = QCoreApplication::translate("cmn", "Export...");
            QVERIFY2(6 + button->fontMetrics().horizontalAdvance(exportCaption) <= button->width() - 16,
                     qPrintable(exportCaption));
        }
    }

    void failedExportReachesTheJournalAndFreesTheButton()
    {
        ParsedBackup parsed(FourPlaces);
        const std::unique_ptr<core::CategoryViewBase> page = parsed.TakePage();
        QVERIFY(page);
        auto* button = page->findChild<pluginGui::ExportButton*>();
        const QString path = parsed.tempFolder.filePath(QStringLiteral("missing folder/places.kml"));
        exportReport::INativeExport& nativeExport = parsed.plugIn;
        nativeExport.Export({exportReport::All, path.toStdWString()});
        QVERIFY(!button->isEnabled());

        QTRY_COMPARE(parsed.plugIn.errors.size(), 1);
        QVERIFY2(parsed.plugIn.errors.front().endsWith(QLatin1Char(' ') + path), qPrintable(parsed.plugIn.errors.front()));
        QTRY_VERIFY(button->isEnabled());
        QVERIFY(!page->findChild<QLabel*>(QStringLiteral("NotificationMessageText")));
        QVERIFY(!QFile::exists(path));
    }
};

MAPS_TEST_CLASS(AppleMapsWidgetTest);
#include "tst_AppleMapsWidget.moc"
