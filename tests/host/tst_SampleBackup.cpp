#include "DatabaseCounts.h"

#include "support/TestRegistry.h"

#include "sample/SampleBackup.h"

#include <QTemporaryDir>
#include <QTest>

using host::sample::SampleManifest;
using host::sample::SampleOptions;
using host::sample::SampleTable;

Q_DECLARE_METATYPE(SampleOptions)

namespace {

SampleOptions Options(std::uint64_t rows, std::uint64_t seed, bool edgeCases)
{
    SampleOptions options;
    options.rowsPerTable = rows;
    options.seed = seed;
    options.edgeCases = edgeCases;
    return options;
}

} // namespace

class TestSampleBackup : public QObject {
    Q_OBJECT

private slots:
    void manifestMatchesDatabase_data();
    void manifestMatchesDatabase();
    void edgeCasesAreWritten_data();
    void edgeCasesAreWritten();
};

void TestSampleBackup::manifestMatchesDatabase_data()
{
    QTest::addColumn<SampleOptions>("options");
    QTest::newRow("empty tables") << Options(0, 1, false);
    QTest::newRow("regular rows") << Options(250, 7, false);
    QTest::newRow("edge cases among regular rows") << Options(250, 7, true);
    QTest::newRow("edge cases alone") << Options(0, 5, true);
}

void TestSampleBackup::manifestMatchesDatabase()
{
    QFETCH(SampleOptions, options);
    QTemporaryDir folder;
    const SampleManifest manifest = host::sample::WriteSampleBackup(folder.path(), options);
    const SampleManifest measured = test::CountDatabase(manifest.databasePath);
    for (SampleTable table : host::sample::kSampleTables) {
        const auto index = static_cast<int>(table);
        QCOMPARE(manifest.Counts(table).rows, measured.Counts(table).rows);
        if (table == SampleTable::Addresses)
            continue;
        const QByteArray where = "table " + QByteArray::number(index);
        QVERIFY2(manifest.Counts(table).distinctRows == measured.Counts(table).distinctRows, where);
        QVERIFY2(manifest.Counts(table).distinctIdentifiers == measured.Counts(table).distinctIdentifiers, where);
        QCOMPARE(manifest.Counts(table).rows >= options.rowsPerTable, true);
    }
}

void TestSampleBackup::edgeCasesAreWritten_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("-180.0 on one axis only")
        << "SELECT COUNT(*) FROM PlaceBookmarks WHERE place_point_latitude = -180.0 "
           "AND place_point_longitude <> -180.0";
    QTest::newRow("INTEGER latitudes")
        << "SELECT COUNT(*) FROM PlaceDisplays WHERE typeof(place_point_latitude) = 'integer'";
    QTest::newRow("<CORRUPTED DATA> texts") << "SELECT COUNT(*) FROM QuerySearches WHERE query = '<CORRUPTED DATA>'";
    QTest::newRow("timestamp 0") << "SELECT COUNT(*) FROM RouteBookmarks WHERE timestamp = 0";
    QTest::newRow("NULL cells") << "SELECT COUNT(*) FROM DirectionsSearches WHERE timestamp IS NULL AND name IS NULL";
    QTest::newRow("NULL identifier") << "SELECT COUNT(*) FROM PlaceDisplays WHERE identifier IS NULL";
    QTest::newRow("duplicate rows")
        << "SELECT COUNT(*) FROM (SELECT 1 FROM PlaceBookmarks GROUP BY identifier, timestamp, title "
           "HAVING COUNT(*) > 1)";
    QTest::newRow("one identifier on two different rows")
        << "SELECT COUNT(*) FROM (SELECT identifier FROM PlaceDisplays WHERE identifier IS NOT NULL "
           "GROUP BY identifier HAVING COUNT(DISTINCT timestamp) > 1)";
    QTest::newRow("identifier without an address")
        << "SELECT COUNT(*) FROM DirectionsSearches WHERE identifier NOT IN (SELECT identifier FROM Addresses "
           "WHERE identifier IS NOT NULL)";
    QTest::newRow("identifier with several addresses")
        << "SELECT COUNT(*) FROM (SELECT identifier FROM Addresses GROUP BY identifier HAVING COUNT(*) > 1)";
    QTest::newRow("address of no record")
        << "SELECT COUNT(*) FROM Addresses WHERE identifier NOT IN (SELECT identifier FROM PlaceBookmarks "
           "WHERE identifier IS NOT NULL UNION SELECT identifier FROM RouteBookmarks WHERE identifier IS NOT NULL "
           "UNION SELECT identifier FROM PlaceDisplays WHERE identifier IS NOT NULL UNION SELECT identifier "
           "FROM DirectionsSearches WHERE identifier IS NOT NULL)";
    QTest::newRow("unknown transport types")
        << "SELECT COUNT(DISTINCT transport_type) FROM DirectionsSearches WHERE transport_type NOT IN (0, 1, 2)";
    QTest::newRow("search repeated under a new identifier")
        << "SELECT COUNT(*) FROM (SELECT 1 FROM QuerySearches GROUP BY timestamp, query, location_display_string "
           "HAVING COUNT(DISTINCT identifier) > 1)";
    QTest::newRow("very long texts") << "SELECT COUNT(*) FROM PlaceBookmarks WHERE length(name) > 5000";
}

// Each edge case is there with --edge-cases and nowhere without: regular rows stay ordinary.
void TestSampleBackup::edgeCasesAreWritten()
{
    QFETCH(QString, sql);
    QTemporaryDir withEdges;
    QTemporaryDir withoutEdges;
    const SampleManifest edges = host::sample::WriteSampleBackup(withEdges.path(), Options(300, 3, true));
    const SampleManifest plain = host::sample::WriteSampleBackup(withoutEdges.path(), Options(300, 3, false));
    QVERIFY(test::QueryNumber(edges.databasePath, sql) > 0);
    QCOMPARE(test::QueryNumber(plain.databasePath, sql), 0);
}

MAPS_TEST_CLASS(TestSampleBackup);
#include "tst_SampleBackup.moc"
