#include "ExportRecords.h"

#include "plugin/ScriptedBackups.h"
#include "support/CaughtException.h"
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

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <ios>

using namespace appleMaps;
Q_DECLARE_METATYPE(appleMaps::AppleMapsRecords)

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
        QFile descriptor(m_descriptor);
        QVERIFY(descriptor.open(QIODevice::WriteOnly));
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

    void sheetsInOrderWithSharedProgress()
    {
        AppleMapsRecords records = OneOfEach();
        records.bookmarks.push_back(test::FullBookmark());
        Load(records);
        m_plugIn->Export(m_context);
        QCOMPARE(m_tables.Names(), QStringList({SearchesSheet, FavoritesSheet, ExploredSheet, DirectionsSheet}));
        QCOMPARE(m_tables.kinds, std::vector<int>(4, 1));
        // The category's size: after a parse, the records it gave.
        QCOMPARE(m_progress.total, std::uint64_t(5));
        QCOMPARE(m_progress.steps, std::vector<std::uint64_t>({0, 1, 2, 3, 4}));
        QVERIFY(m_progress.failedCategories.isEmpty());
    }

    void kindWithoutRecordsGetsNoSheet()
    {
        AppleMapsRecords records = OneOfEach();
        records.querySearches.clear();
        records.placeDisplays.clear();
        Load(records);
        m_plugIn->Export(m_context);
        QCOMPARE(m_tables.Names(), QStringList({FavoritesSheet, DirectionsSheet}));
        QCOMPARE(m_progress.steps, std::vector<std::uint64_t>({0, 1}));
    }

    void withoutProgressSink()
    {
        Load(OneOfEach());
        m_context.progress = nullptr;
        m_plugIn->Export(m_context);
        QCOMPARE(m_tables.Names().size(), 4);
    }

    void rowCells_data()
    {
        QTest::addColumn<AppleMapsRecords>("records");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("columns");
        const QString favoriteColumns =
            "Date created|Title|Places name|Location|Address|Dropped pin|Route|Url|Phone number|Fax|Type";

        QTest::newRow("full favourite")
            << OneOfEach() << FavoritesSheet
            << QStringList({"Date created=05.03.2019 14:07:00 (UTC)", "Title=Home", "Places name=Maidan",
                            "Location=https://www.google.com/maps/place/50.4501000,30.5234000|50.4501000 30.5234000",
                            "Address=UA Kyiv Khreshchatyk",
                            "Dropped pin=https://www.google.com/maps/place/50.4000000,30.5000000|50.4000000 30.5000000",
                            "Route=https://maps.google.com/maps/dir/50.4000000,30.5000000/49.8000000,24.0000000|show route",
                            "Url=https://example.org/maidan|https://example.org/maidan", "Phone number=+380 44 000 00 00",
                            "Fax=+380 44 000 00 01", "Type=Place"})
            << favoriteColumns;

        AppleMapsRecords bare;
        AppleMapsPlaceBookmarkItem bareBookmark;
        bareBookmark.title = "Bare";
        bare.bookmarks = {bareBookmark};
        QTest::newRow("bare favourite: no date, pin, route or address, but a location")
            << bare << FavoritesSheet
            << QStringList({"Title=Bare", "Places name=",
                            "Location=https://www.google.com/maps/place/-91.0000000,-181.0000000|-91.0000000 -181.0000000",
                            "Url=|", "Phone number=", "Fax=", "Type="})
            << favoriteColumns;

        QTest::newRow("explored place")
            << OneOfEach() << ExploredSheet
            << QStringList({"Date viewed=02.01.2020 08:30:00 (UTC)", "Name=Opera",
                            "Coordinates=https://www.google.com/maps/place/50.4465000,30.5121000|50.4465000 30.5121000",
                            "Address=UA Kyiv Khreshchatyk", "Phone number=+380 44 111", "Fax=+380 44 112",
                            "Url=https://example.org/opera|https://example.org/opera"})
            << "Date viewed|Name|Coordinates|Address|Phone number|Fax|Url";

        QTest::newRow("directions search")
            << OneOfEach() << DirectionsSheet
            << QStringList({"Date searched=07.06.2021 18:00:00 (UTC)", "Name=Opera",
                            "Start point=https://www.google.com/maps/place/50.4501000,30.5234000|50.4501000 30.5234000",
                            "End point=https://www.google.com/maps/place/50.4465000,30.5121000|50.4465000 30.5121000",
                            "Transport=Walk", "Phone number=+380 44 111", "Fax=+380 44 112",
                            "Url=https://example.org/opera|https://example.org/opera", "Address=UA Kyiv Khreshchatyk"})
            << "Date searched|Name|Start point|End point|Transport|Phone number|Fax|Url|Address";

        QTest::newRow("search")
            << OneOfEach() << SearchesSheet
            << QStringList({"Date=20.11.2018 10:15:00 (UTC)", "Search query=coffee", "Address=Kyiv, Ukraine",
                            "Map region=https://www.google.com/maps/@50.4250000,30.5500000,12.1633403z|"
                            "50.4000000 30.5000000 50.4500000 30.6000000"})
            << "Date|Search query|Address|Map region";
    }

    void rowCells()
    {
        QFETCH(AppleMapsRecords, records);
        QFETCH(QString, sheet);
        QFETCH(QStringList, cells);
        QFETCH(QString, columns);
        Load(records);
        m_plugIn->Export(m_context);
        const test::RecordingTable* table = m_tables.Table(sheet);
        QVERIFY(table);
        QCOMPARE(table->captions.join('|'), columns);
        QVERIFY(table->calls.first().endsWith("|30"));
        QCOMPARE(table->rows.size(), std::size_t(1));
        QCOMPARE(table->rows.front(), cells);
        QCOMPARE(table->calls.mid(table->captions.size(), 1), QStringList("row 45"));
        QCOMPARE(table->calls.mid(table->calls.size() - 2),
                 QStringList({"end", "summary Exported 1 entries out of 1."}));
    }

    void dateRange_data()
    {
        QTest::addColumn<QDateTime>("lower");
        QTest::addColumn<QDateTime>("upper");
        QTest::addColumn<QStringList>("titles");
        const QDateTime first = test::Utc(2020, 1, 1);
        const QDateTime second = test::Utc(2020, 6, 1);
        const QDateTime third = test::Utc(2021, 1, 1);
        const QString a = first.toString(Qt::ISODate);
        const QString b = second.toString(Qt::ISODate);
        const QString c = third.toString(Qt::ISODate);
        QTest::newRow("no bounds") << QDateTime() << QDateTime() << QStringList({a, b, c});
        QTest::newRow("lower bound included, upper excluded") << first << third << QStringList({a, b});
        QTest::newRow("equal bounds admit that instant") << second << second << QStringList({b});
        QTest::newRow("lower bound only") << second << QDateTime() << QStringList({b, c});
        QTest::newRow("upper bound only") << QDateTime() << second << QStringList({a});
    }

    void dateRange()
    {
        QFETCH(QDateTime, lower);
        QFETCH(QDateTime, upper);
        QFETCH(QStringList, titles);
        AppleMapsRecords records;
        records.bookmarks = BookmarksAt({test::Utc(2020, 1, 1), test::Utc(2020, 6, 1), test::Utc(2021, 1, 1)});
        Load(records);
        m_context.lowerBound = lower;
        m_context.upperBound = upper;
        m_plugIn->Export(m_context);
        const test::RecordingTable* table = m_tables.Table(FavoritesSheet);
        QCOMPARE(ExportedTitles(table), titles);
        QCOMPARE(table->summaries, QStringList(QString("Exported %1 entries out of 3.").arg(titles.size())));
        QCOMPARE(m_progress.steps.size(), std::size_t(3));
    }

    void filteredExport_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("withProvider");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("summary");
        const QString second = test::Utc(2020, 2, 1).toString(Qt::ISODate);
        const QStringList all = {test::Utc(2020, 1, 1).toString(Qt::ISODate), second,
                                 test::Utc(2020, 3, 1).toString(Qt::ISODate)};
        QTest::newRow("mode 2 with a provider") << 2 << true << QStringList(second) << "Exported 1 entries out of 3.";
        QTest::newRow("mode 2 without a provider") << 2 << false << all << "Exported 3 entries out of 3.";
        QTest::newRow("mode 1 ignores the provider") << 1 << true << all << "Exported 3 entries out of 3.";
    }

    void filteredExport()
    {
        QFETCH(int, mode);
        QFETCH(bool, withProvider);
        QFETCH(QStringList, titles);
        QFETCH(QString, summary);
        AppleMapsRecords records;
        records.bookmarks = BookmarksAt({test::Utc(2020, 1, 1), test::Utc(2020, 2, 1), test::Utc(2020, 3, 1)});
        Load(records);
        host::xlsx::RowFilterProvider provider;
        provider.SetAcceptedRows(FavoritesCategory, {1});
        m_filterHolder.filterProvider = withProvider ? &provider : nullptr;
        m_exportMode = mode;
        m_plugIn->Export(m_context);
        const test::RecordingTable* table = m_tables.Table(FavoritesSheet);
        QCOMPARE(ExportedTitles(table), titles);
        QCOMPARE(table->summaries, QStringList(summary));
        QCOMPARE(m_progress.steps.size(), std::size_t(titles.size()));
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

    void failureStopsTheExport()
    {
        Load(OneOfEach());
        m_tables.failOn = FavoritesSheet.toStdString();
        test::ProcessRecordingSink()->Clear();
        m_plugIn->Export(m_context);
        QCOMPARE(m_tables.Names(), QStringList(SearchesSheet));
        QCOMPARE(m_progress.failedCategories, QStringList("Apple Maps"));
        QVERIFY(ErrorLogged("Apple Maps data was not exported: no table Apple Maps - Favorites"));
    }

    void systemErrors_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<uint>("systemError");
        QTest::addColumn<bool>("endsExport");
        QTest::newRow("disk full") << 50u << 112u << true;
        QTest::newRow("unable to write file") << 53u << 5u << true;
        QTest::newRow("access denied") << 50u << 5u << false;
    }

    void systemErrors()
    {
        QFETCH(uint, code);
        QFETCH(uint, systemError);
        QFETCH(bool, endsExport);
        Load(OneOfEach());
        m_tables.failOn = FavoritesSheet.toStdString();
        m_tables.failure = [code, systemError] {
            throw cmn::SystemErrorException(CMN_SOURCE_LOCATION, code, "write", systemError);
        };
        const auto failure = test::CaughtException<ulq::cmn::CommonException>([this] { m_plugIn->Export(m_context); });
        QCOMPARE(failure.has_value(), endsExport);
        if (failure)
            QCOMPARE(failure->GetUserText(), ulq::cmn::utils::GetTempFolderFullMessage());
        QCOMPARE(m_progress.failedCategories, endsExport ? QStringList() : QStringList("Apple Maps"));
        QCOMPARE(m_tables.Names(), QStringList(SearchesSheet));
    }

    void streamFailureLeavesExport()
    {
        Load(OneOfEach());
        m_tables.failOn = FavoritesSheet.toStdString();
        m_tables.failure = [] {
            errno = ENOSPC;
            throw std::ios_base::failure("stream");
        };
        const auto failure = test::CaughtException<ulq::cmn::CommonException>([this] { m_plugIn->Export(m_context); });
        QVERIFY(failure);
        QCOMPARE(QString(failure->GetLocation().function), QString("appleMaps::AppleMapsPlugIn::Export"));
        QCOMPARE(failure->GetUserText(), std::generic_category().message(ENOSPC));
    }
};

MAPS_TEST_CLASS(TableExportTest);

#include "tst_TableExport.moc"
