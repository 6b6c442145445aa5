#include "support/AppleMapsBackupFixture.h"
#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "appleMaps/parser/iCloudSyncAppleMapsParser.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "cmn/CommonExceptions.h"
#include "cmn/ErrorCode.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"
#include "cmn/db/SqlException.h"
#include "cmn/filter/FilterUtils.h"
#include "cmn/filter/ItemBaseInfo.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <atomic>
#include <thread>

using appleMaps::AppleMapsRecords;
using appleMaps::iCloudSyncAppleMapsParser;

namespace {

// Two of each kind. The identifier "shared" is everywhere and has two addresses; a search and a
// place display row are stored twice and read once.
const char* const SmallBackup = R"(
    INSERT INTO Addresses VALUES
        ('shared', 'Russia', 'RU', 'Moscow', 'MOW', 'Moskva', '101000', 'Tverskaya', '7'),
        ('shared', 'Russia', 'RU', 'Moscow', 'MOW', 'Moskva', '101000', 'Tverskaya', '9'),
        ('bookmark', 'France', 'FR', '', '', 'Paris', '', '', '');
    INSERT INTO PlaceBookmarks VALUES
        ('shared', 1500000000, 'Home', 55.75, 37.62, '', '', '', 'Kremlin', -180.0, -180.0),
        ('bookmark', 0, 'Work', -180.0, 2.35, '', '', '', 'Louvre', 48.86, 2.33);
    INSERT INTO RouteBookmarks VALUES
        ('shared', 1400000000, 55.0, 37.0, '', '', '', 'Route', 55.0, 37.0, 56.0, 38.0);
    INSERT INTO QuerySearches VALUES
        ('q1', 1600000000, 'coffee', 'Moscow', 55.1, 37.2, 55.9, 37.8),
        ('q2', 1600000000, 'coffee', 'Moscow', 55.1, 37.2, 55.9, 37.8),
        ('q3', 1600000100, 'tea', 'Moscow', NULL, NULL, NULL, NULL);
    INSERT INTO PlaceDisplays VALUES
        ('shared', 1300000000, 55.7, 37.6, '', '', '', 'Arbat'),
        ('shared', 1300000000, 55.7, 37.6, '', '', '', 'Arbat'),
        ('shared', 1300000001, 55.7, 37.6, '', '', '', 'Arbat again');
    INSERT INTO DirectionsSearches VALUES
        ('shared', 1700000000, 2, '', '', '', 'Walk home', 55.0, 37.0, 55.1, 37.1),
        ('directions', 1700000100, 7, '', '', '', 'Somewhere', 55.0, 37.0, 55.1, 37.1);
)";

// SmallBackup parsed, and its files' hashes from before the parse.
struct ParsedSmallBackup {
    ParsedSmallBackup()
    {
        backup.Execute(SmallBackup);
        before = backup.Snapshot();
        parser.Parse(records);
    }

    test::AppleMapsBackupFixture backup;
    iCloudSyncAppleMapsParser parser{backup.DescriptorPath().toStdWString()};
    QMap<QString, QByteArray> before;
    AppleMapsRecords records;
};

} // namespace

class iCloudSyncAppleMapsParserTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tempFolder;

    static boost::filesystem::path PathOf(const test::AppleMapsBackupFixture& backup)
    {
        return boost::filesystem::path(backup.DescriptorPath().toStdWString());
    }


private slots:
    void initTestCase()
    {
        test::ProcessRecordingSink();
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_tempFolder.isValid());
        ulq::cmn::utils::SetTempFolder(m_tempFolder.path().toStdWString());
    }

    void cleanup() { QCOMPARE(test::FolderEntries(m_tempFolder.path()), QStringList()); }

    void parsesEveryKindFromACopy()
    {
        ParsedSmallBackup parsed;
        QVERIFY(parsed.backup.IsValid());
        // Identifiers: searches 3, place bookmarks 2, place displays 1, directions 2, routes 1.
        QCOMPARE(parsed.parser.GetDataSize(), std::uint64_t(9));
        QCOMPARE(parsed.records.bookmarks.size(), std::size_t(3));
        QCOMPARE(parsed.records.querySearches.size(), std::size_t(2));
        QCOMPARE(parsed.records.placeDisplays.size(), std::size_t(2));
        QCOMPARE(parsed.records.directionSearches.size(), std::size_t(2));
        QCOMPARE(parsed.parser.GetBackupId(), std::string("0F3A-77C1-backup"));
        QCOMPARE(parsed.backup.Snapshot(), parsed.before);
    }

    // Bookmark fetches read copies of the addresses, places and directions share one map.
    void addressesFollowTheIdentifierAcrossKinds()
    {
        const AppleMapsRecords records = ParsedSmallBackup().records;
        QCOMPARE(records.bookmarks[0].type + records.bookmarks[2].type, "PlaceRoute");
        QCOMPARE(records.bookmarks[0].addresses.size(), std::size_t(2));
        QCOMPARE(records.bookmarks[0].addresses[1].subThoroughfare, "9");
        QCOMPARE(records.bookmarks[1].addresses.size(), std::size_t(1));
        QCOMPARE(records.bookmarks[2].addresses.size(), std::size_t(2));
        QCOMPARE(records.placeDisplays[0].addresses.size(), std::size_t(2));
        QVERIFY(records.placeDisplays[1].addresses.empty());
        QVERIFY(records.directionSearches[0].addresses.empty());
        QVERIFY(records.directionSearches[1].addresses.empty());
    }

    // The timestamp-0 bookmark does not pull the range's start to 1970.
    void everyKindWithRecordsGetsTheOverallDateRange()
    {
        ParsedSmallBackup parsed;
        const std::size_t counts[] = {2, 3, 2, 2};
        for (int kind = appleMaps::FirstCategory; kind <= appleMaps::LastCategory; ++kind) {
            cmn::filter::FilterContext& context = parsed.parser.GetFilterContext(kind);
            QCOMPARE(context.items.size(), std::size_t(1));
            QVERIFY(!context.enabled);
            cmn::filter::ItemTemplate* item = cmn::filter::utils::GetDateItemTemplate(context);
            QVERIFY(item);
            QCOMPARE(item->kind, 4);
            QCOMPARE(item->values.size(), std::size_t(2));
            const auto from = cmn::filter::utils::GetItemValue<QDateTime>(item->values[0]);
            const auto until = cmn::filter::utils::GetItemValue<QDateTime>(item->values[1]);
            QCOMPARE(from.toSecsSinceEpoch(), 1300000000);
            QCOMPARE(until.toSecsSinceEpoch(), 1700000100);
            QCOMPARE(from.timeZone(), QTimeZone::systemTimeZone());
            QCOMPARE(until.timeSpec(), Qt::TimeZone);
            const cmn::filter::ItemBaseInfo* info = cmn::filter::utils::GetDateItemBaseInfo(context);
            QVERIFY(info);
            QVERIFY(info->checked);
            QCOMPARE(info->totalCount, std::uint64_t(counts[kind]));
            QCOMPARE(info->shownCount, std::uint64_t(0));
        }
    }

    void emptyDatabaseGivesContextsWithoutItems()
    {
        const test::AppleMapsBackupFixture backup;
        iCloudSyncAppleMapsParser parser(PathOf(backup));
        QCOMPARE(parser.GetDataSize(), std::uint64_t(0));
        AppleMapsRecords records;
        parser.Parse(records);
        QVERIFY(records.bookmarks.empty() && records.querySearches.empty());
        for (int kind : {appleMaps::FirstCategory, appleMaps::LastCategory, 7})
            QVERIFY(parser.GetFilterContext(kind).items.empty());
    }

    // The request is asked by the statement in flight and between converted rows alike; the
    // parse then ends early without an exception and without date items.
    void stopRequestEndsTheParse_data()
    {
        QTest::addColumn<int>("questionsBeforeStop");
        QTest::addColumn<bool>("convertingOnly");
        QTest::newRow("before anything is read") << 0 << false;
        QTest::newRow("while a statement runs") << 20 << false;
        QTest::newRow("between converted rows") << 5 << true;
    }

    void stopRequestEndsTheParse()
    {
        QFETCH(int, questionsBeforeStop);
        QFETCH(bool, convertingOnly);
        const test::AppleMapsBackupFixture backup;
        backup.Execute(SmallBackup);
        backup.Execute("INSERT INTO PlaceDisplays SELECT * FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT"
                       " i + 1 FROM n WHERE i < 20000) SELECT 'shared', i, 1.0, 2.0, '', '', '', 'Arbat' FROM n)");
        std::atomic<int> questions{0};
        const std::thread::id converting = std::this_thread::get_id();
        iCloudSyncAppleMapsParser parser(PathOf(backup), [&] {
            return (!convertingOnly || std::this_thread::get_id() == converting) && ++questions > questionsBeforeStop;
        });
        AppleMapsRecords records;
        parser.Parse(records);
        QVERIFY(records.placeDisplays.size() < 20002);
        for (int kind = appleMaps::FirstCategory; kind <= appleMaps::LastCategory; ++kind)
            QVERIFY(parser.GetFilterContext(kind).items.empty());
    }

    void missingTableFailsWithAnSqlError_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<std::size_t>("bookmarksKept");
        QTest::addColumn<std::size_t>("searchesKept");
        QTest::newRow("route bookmarks") << "RouteBookmarks" << std::size_t(0) << std::size_t(0);
        QTest::newRow("place displays, earlier records stay") << "PlaceDisplays" << std::size_t(3)
                                                              << std::size_t(2);
    }

    void missingTableFailsWithAnSqlError()
    {
        QFETCH(QString, table);
        QFETCH(std::size_t, bookmarksKept);
        QFETCH(std::size_t, searchesKept);
        const test::AppleMapsBackupFixture backup;
        backup.Execute(SmallBackup);
        backup.Execute("DROP TABLE " + table);
        iCloudSyncAppleMapsParser parser(PathOf(backup));
        const QString userText = "Can't select from DB:  no such table: " + table;

        const auto sizeFailure = test::CaughtException<cmn::db::SqlException>([&] { parser.GetDataSize(); });
        QVERIFY(sizeFailure);
        QCOMPARE(QString::fromStdString(sizeFailure->GetUserText()), userText);
        AppleMapsRecords records;
        const auto parseFailure = test::CaughtException<cmn::db::SqlException>([&] { parser.Parse(records); });
        QVERIFY(parseFailure);
        QCOMPARE(parseFailure->GetErrorCode(), cmn::MakeErrorCode(31, cmn::Facility::Sql));
        QCOMPARE(QString::fromStdString(parseFailure->GetUserText()), userText);
        QCOMPARE(records.bookmarks.size(), bookmarksKept);
        QCOMPARE(records.querySearches.size(), searchesKept);
    }

    void newerCategoryFailsTheSizeButNotTheParse()
    {
        test::DescriptorFields fields;
        fields.minimumVersion = "6";
        const test::AppleMapsBackupFixture backup(fields);
        backup.Execute(SmallBackup);
        iCloudSyncAppleMapsParser parser(PathOf(backup));
        const auto failure = test::CaughtException<cmn::PlugInVersionException>([&] { parser.GetDataSize(); });
        QVERIFY(failure);
        QCOMPARE(failure->GetUserText(), std::string("AppleMaps is not supported in current version"));
        AppleMapsRecords records;
        parser.Parse(records);
        QCOMPARE(records.bookmarks.size(), std::size_t(3));
    }
};

MAPS_TEST_CLASS(iCloudSyncAppleMapsParserTest);
#include "tst_iCloudSyncAppleMapsParser.moc"
