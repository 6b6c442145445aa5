#include "ExportRecords.h"

#include "plugin/ScriptedBackups.h"
#include "support/CaughtException.h"
#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/RecordingTableSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Severity.h"

#include "xlsx/RowFilterProvider.h"

#include "appleMaps/records/AppleMapsCategory.h"
#include "cmn/CommonExceptions.h"
#include "cmn/SystemErrorException.h"
#include "cmn/TempFolder.h"
#include "exportReport/interfaces/ExportContext.h"
#include "exportReport/interfaces/FilterHolder.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>
#include <ios>
#include <numeric>
#include <system_error>

using namespace appleMaps;
using Failure = std::function<void()>;
Q_DECLARE_METATYPE(appleMaps::AppleMapsRecords)
Q_DECLARE_METATYPE(Failure)

namespace {

const QString SearchesSheet = "Apple Maps - Searches";
const QString FavoritesSheet = "Apple Maps - Favorites";
const QString ExploredSheet = "Apple Maps - Explored places";
const QString DirectionsSheet = "Apple Maps - Directions searches";

AppleMapsRecords OneOfEach()
{
    AppleMapsRecords records;
    records.querySearches = {test::FullQuerySearch()};
    records.bookmarks = {test::FullBookmark()};
    records.placeDisplays = {test::FullPlaceDisplay()};
    records.directionSearches = {test::FullDirectionsSearch()};
    return records;
}

std::vector<AppleMapsPlaceBookmarkItem> BookmarksAt(const std::vector<QDateTime>& times)
{
    std::vector<AppleMapsPlaceBookmarkItem> bookmarks;
    for (const QDateTime& time : times) {
        AppleMapsPlaceBookmarkItem bookmark = test::FullBookmark();
        bookmark.timestamp = time;
        bookmark.title = time.toString(Qt::ISODate);
        bookmarks.push_back(bookmark);
    }
    return bookmarks;
}

// The titles of the favourites that made it into the table.
QStringList ExportedTitles(const test::RecordingTable* table)
{
    QStringList titles;
    for (const QStringList& row : table->rows) {
        for (const QString& cell : row) {
            if (cell.startsWith("Title="))
                titles << cell.mid(6);
        }
    }
    return titles;
}

bool ErrorLogged(const std::string& message)
{
    const auto lines = test::ProcessRecordingSink()->Lines();
    return std::any_of(lines.begin(), lines.end(), [&](const test::LogLine& line) {
        return line.message == message && line.severity == CryptLog::Error;
    });
}

} // namespace

class TableExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_descriptor;
    std::unique_ptr<test::ScriptedPlugIn> m_plugIn;
    std::shared_ptr<test::ScriptedBackup> m_backup;
    test::RecordingTableFactory m_tables;
    test::RecordingProgress m_progress;
    exportReport::FilterHolder m_filterHolder;
    int m_exportMode = 1;
    exportReport::ExportContext m_context;

    // A freshly parsed plug-in holding `records`.
    void Load(const AppleMapsRecords& records)
    {
        m_backup = std::make_shared<test::ScriptedBackup>();
        m_backup->size = 42; // counted before the parse; the parse recounts
        m_backup->fill = [records](AppleMapsRecords& target) { target = records; };
        m_plugIn = std::make_unique<test::ScriptedPlugIn>(test::ScriptedBackups{{m_descriptor, m_backup}});
        m_plugIn->SetDataPath(m_descriptor);
        m_plugIn->Parse();
    }

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        QVERIFY(m_folder.isValid());
        m_descriptor = m_folder.filePath("icloud_synced.xml");
        test::WriteFile(m_descriptor, QByteArray());
    }

    void init()
    {
        m_tables = test::RecordingTableFactory();
        m_progress = test::RecordingProgress();
        m_filterHolder = exportReport::FilterHolder();
        m_exportMode = 1;
        m_context = exportReport::ExportContext();
        m_context.progress = &m_progress;
        m_context.tableFactory = &m_tables;
        m_context.filterHolder = &m_filterHolder;
        m_context.exportMode = &m_exportMode;
    }

    void cleanup() { m_plugIn.reset(); }

    void sheetsInOrderWithSharedProgress_data()
    {
        QTest::addColumn<AppleMapsRecords>("records");
        QTest::addColumn<QStringList>("sheets");
        AppleMapsRecords twoFavourites = OneOfEach();
        twoFavourites.bookmarks.push_back(test::FullBookmark());
        AppleMapsRecords twoKinds = OneOfEach();
        twoKinds.querySearches.clear();
        twoKinds.placeDisplays.clear();
        const QStringList all = {SearchesSheet, FavoritesSheet, ExploredSheet, DirectionsSheet};
        QTest::newRow("every kind") << twoFavourites << all;
        QTest::newRow("kind without records gets no sheet")
            << twoKinds << QStringList({FavoritesSheet, DirectionsSheet});
    }

    void sheetsInOrderWithSharedProgress()
    {
        QFETCH(AppleMapsRecords, records);
        QFETCH(QStringList, sheets);
        Load(records);
        m_plugIn->Export(m_context);
        QCOMPARE(m_tables.Names(), sheets);
        QCOMPARE(m_tables.kinds, std::vector<int>(sheets.size(), 1));
        // The category's size: after a parse, the records it gave.
        const std::uint64_t count = records.querySearches.size() + records.bookmarks.size()
                + records.placeDisplays.size() + records.directionSearches.size();
        std::vector<std::uint64_t> steps(count);
        std::iota(steps.begin(), steps.end(), 0);
        QCOMPARE(m_progress.total, count);
        QCOMPARE(m_progress.steps, steps);
        QVERIFY(m_progress.failedCategories.isEmpty());
    }

    void rowCells_data()
    {
        QTest::addColumn<AppleMapsRecords>("records");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("cells");

        QTest::newRow("full favourite")
            << OneOfEach() << FavoritesSheet
            << QStringList({"Date created=05.03.2019 14:07:00 (UTC)", "Title=Home", "Places name=Maidan",
                            "Location=https://www.google.com/maps/place/50.4501000,30.5234000|50.4501000 30.5234000",
                            "Address=UA Kyiv Khreshchatyk",
                            "Dropped pin=https://www.google.com/maps/place/50.4000000,30.5000000|50.4000000 30.5000000",
                            "Route=https://maps.google.com/maps/dir/50.4000000,30.5000000/49.8000000,24.0000000|show route",
                            "Url=https://example.org/maidan|https://example.org/maidan", "Phone number=+380 44 000 00 00",
                            "Fax=+380 44 000 00 01", "Type=Place"});

        AppleMapsRecords bare;
        AppleMapsPlaceBookmarkItem bareBookmark;
        bareBookmark.title = "Bare";
        bare.bookmarks = {bareBookmark};
        QTest::newRow("bare favourite: no date, pin, route or address, but a location")
            << bare << FavoritesSheet
            << QStringList({"Title=Bare", "Places name=",
                            "Location=-91.0000000 -181.0000000",
                            "Url=|", "Phone number=", "Fax=", "Type="});

        QTest::newRow("explored place")
            << OneOfEach() << ExploredSheet
            << QStringList({"Date viewed=02.01.2020 08:30:00 (UTC)", "Name=Opera",
                            "Coordinates=https://www.google.com/maps/place/50.4465000,30.5121000|50.4465000 30.5121000",
                            "Address=UA Kyiv Khreshchatyk", "Phone number=+380 44 111", "Fax=+380 44 112",
                            "Url=https://example.org/opera|https://example.org/opera"});

        QTest::newRow("directions search")
            << OneOfEach() << DirectionsSheet
            << QStringList({"Date searched=07.06.2021 18:00:00 (UTC)", "Name=Opera",
                            "Start point=https://www.google.com/maps/place/50.4501000,30.5234000|50.4501000 30.5234000",
                            "End point=https://www.google.com/maps/place/50.4465000,30.5121000|50.4465000 30.5121000",
                            "Transport=Walk", "Phone number=+380 44 111", "Fax=+380 44 112",
                            "Url=https://example.org/opera|https://example.org/opera", "Address=UA Kyiv Khreshchatyk"});

        QTest::newRow("search")
            << OneOfEach() << SearchesSheet
            << QStringList({"Date=20.11.2018 10:15:00 (UTC)", "Search query=coffee", "Address=Kyiv, Ukraine",
                            "Map region=https://www.google.com/maps/@50.4250000,30.5500000,12.1633403z|"
                            "50.4000000 30.5000000 50.4500000 30.6000000"});
    }

    void rowCells()
    {
        QFETCH(AppleMapsRecords, records);
        QFETCH(QString, sheet);
        QFETCH(QStringList, cells);
        Load(records);
        m_plugIn->Export(m_context);
        const test::RecordingTable* table = m_tables.Table(sheet);
        QVERIFY(table);
        QCOMPARE(table->rows.size(), std::size_t(1));
        QCOMPARE(table->rows.front(), cells);
        QCOMPARE(table->calls.mid(table->calls.size() - 2),
                 QStringList({"end", "summary Exported 1 entries out of 1."}));
    }

    // Favourites of 1 January, 1 February and 1 March 2020: which reach the sheet, and how many
    // step the progress (records outside the date range do, rows the filter hides do not).
    void exportedFavourites_data()
    {
        QTest::addColumn<QDateTime>("lower");
        QTest::addColumn<QDateTime>("upper");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("withProvider");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("steps");
        const QDateTime none;
        const QDateTime january = test::Utc(2020, 1, 1);
        const QDateTime february = test::Utc(2020, 2, 1);
        const QDateTime march = test::Utc(2020, 3, 1);
        const QString jan = january.toString(Qt::ISODate);
        const QString feb = february.toString(Qt::ISODate);
        const QString mar = march.toString(Qt::ISODate);
        const QStringList all = {jan, feb, mar};
        const int filtered = exportReport::FilteredExportMode;
        QTest::newRow("no bounds") << none << none << 1 << false << all << 3;
        QTest::newRow("bounds applied") << january << march << 1 << false << QStringList({jan, feb}) << 3;
        QTest::newRow("filtered mode with a provider") << none << none << filtered << true << QStringList(feb) << 1;
        QTest::newRow("filtered mode without a provider") << none << none << filtered << false << all << 3;
        QTest::newRow("full mode ignores the provider") << none << none << 1 << true << all << 3;
    }

    void exportedFavourites()
    {
        QFETCH(QDateTime, lower);
        QFETCH(QDateTime, upper);
        QFETCH(int, mode);
        QFETCH(bool, withProvider);
        QFETCH(QStringList, titles);
        QFETCH(int, steps);
        AppleMapsRecords records;
        records.bookmarks = BookmarksAt({test::Utc(2020, 1, 1), test::Utc(2020, 2, 1), test::Utc(2020, 3, 1)});
        Load(records);
        host::xlsx::RowFilterProvider provider;
        provider.SetAcceptedRows(FavoritesCategory, {1});
        m_filterHolder.filterProvider = withProvider ? &provider : nullptr;
        m_exportMode = mode;
        m_context.lowerBound = lower;
        m_context.upperBound = upper;
        m_plugIn->Export(m_context);
        const test::RecordingTable* table = m_tables.Table(FavoritesSheet);
        QCOMPARE(ExportedTitles(table), titles);
        QCOMPARE(table->summaries, QStringList(QString("Exported %1 entries out of 3.").arg(titles.size())));
        QCOMPARE(m_progress.steps.size(), std::size_t(steps));
    }

    void filteredCategoryWithoutFilterExportsNothing()
    {
        Load(OneOfEach());
        host::xlsx::RowFilterProvider provider;
        m_filterHolder.filterProvider = &provider;
        m_exportMode = exportReport::FilteredExportMode;
        test::ProcessRecordingSink()->Clear();
        m_plugIn->Export(m_context);
        QCOMPARE(m_tables.Table(FavoritesSheet)->rows.size(), std::size_t(0));
        QCOMPARE(m_tables.Table(FavoritesSheet)->summaries, QStringList("Exported 0 entries out of 1."));
        QVERIFY(ErrorLogged("Invalid filter specified."));
    }

    // A sheet that cannot be made ends the category; only a full disk ends the whole export.
    void failingSheet_data()
    {
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("userText"); // of what reaches the caller; empty when the export goes on
        const auto systemError = [](uint code, uint systemError) {
            return Failure([=] { throw cmn::SystemErrorException(CMN_SOURCE_LOCATION, code, "write", systemError); });
        };
        const QString fullTempFolder = QString::fromStdString(ulq::cmn::utils::GetTempFolderFullMessage());
        QTest::newRow("disk full") << systemError(50, 112) << fullTempFolder;
        QTest::newRow("unable to write file") << systemError(53, 5) << fullTempFolder;
        QTest::newRow("stream failure on a full disk") << Failure([] {
            errno = ENOSPC;
            throw std::ios_base::failure("stream");
        }) << QString::fromStdString(std::generic_category().message(ENOSPC));
        QTest::newRow("access denied") << systemError(50, 5) << "";
        QTest::newRow("other failure") << Failure() << "";
    }

    void failingSheet()
    {
        QFETCH(Failure, failure);
        QFETCH(QString, userText);
        Load(OneOfEach());
        m_tables.failOn = FavoritesSheet.toStdString();
        m_tables.failure = failure;
        test::ProcessRecordingSink()->Clear();
        const auto thrown = test::CaughtException<ulq::cmn::CommonException>([this] { m_plugIn->Export(m_context); });
        QCOMPARE(thrown ? QString::fromStdString(thrown->GetUserText()) : QString(), userText);
        QCOMPARE(m_progress.failedCategories, thrown ? QStringList() : QStringList("Apple Maps"));
        QCOMPARE(m_tables.Names(), QStringList(SearchesSheet));
        if (!failure)
            QVERIFY(ErrorLogged("Apple Maps data was not exported: no table Apple Maps - Favorites"));
    }
};

MAPS_TEST_CLASS(TableExportTest);

#include "tst_TableExport.moc"
