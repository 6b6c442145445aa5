#include "support/AppleMapsBackupFixture.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "appleMaps/parser/AppleMapsQueries.h"
#include "appleMaps/parser/iCloudSyncAppleMapsParser.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"
#include "cmn/db/ResultTable.h"
#include "cmn/db/SqLiteDbAdapter.h"
#include "cmn/db/TableQueries.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace queries = appleMaps::queries;

namespace {

// Cells that DISTINCT must tell apart or take as equal: NULLs, integer and real twins (also past
// 2^53), -0.0, texts that differ in case only, a text and a blob with the same bytes.
const char* const Values[] = {"NULL", "0", "-0.0", "1", "1.0", "2.5", "9007199254740993", "9007199254740992.0",
                              "'a'", "'A'", "x'61'", "''", "x''", "'1'", "'Кремль'"};

// Forty rows drawn from Values, each written ten times with a cell now and then redrawn: many
// exact and many near duplicates, in scattered order.
QString HostileRows(const QString& table, int columns, QRandomGenerator& random)
{
    auto value = [&] { return QString(Values[random.bounded(int(std::size(Values)))]); };
    QVector<QStringList> bases(40);
    for (QStringList& base : bases)
        std::generate_n(std::back_inserter(base), columns, value);
    QString sql;
    for (int row = 0; row < 400; ++row) {
        QStringList cells = bases[random.bounded(bases.size())];
        for (QString& cell : cells)
            cell = random.bounded(10) == 0 ? value() : cell;
        sql += "INSERT INTO " + table + " VALUES (" + cells.join(',') + ");";
    }
    return sql;
}

QStringList Flattened(const cmn::db::ResultTable& table)
{
    QStringList rows;
    std::vector<cmn::db::CellView> cells(table.ColumnCount());
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        table.ReadRow(row, cells.data());
        QString text;
        for (const cmn::db::CellView& cell : cells)
            text += QString("%1:%2:%3:%4|").arg(int(cell.type)).arg(cell.integer).arg(cell.real, 0, 'g', 17)
                        .arg(QByteArray(cell.bytes.data(), int(cell.bytes.size())).toHex().constData());
        rows << text;
    }
    return rows;
}

} // namespace

class ExactStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        test::ProcessRecordingSink();
        ulq::cmn::utils::ImbueUtf8PathConversion();
    }

    // The statements define the records and the size; the cheaper reading must give the same.
    void readingGivesWhatTheStatementsGive_data()
    {
        QTest::addColumn<QString>("schemaChange");
        QTest::addColumn<int>("seed");
        QTest::newRow("untyped columns") << "" << 1;
        QTest::newRow("untyped columns, another draw") << "" << 2;
        QTest::newRow("covering indexes change the scan") << "CREATE INDEX p ON PlaceDisplays(identifier, timestamp,"
            " place_point_latitude, place_point_longitude, telephone, fax, url, name);"
            "CREATE INDEX q ON QuerySearches(identifier)" << 3;
        QTest::newRow("case-blind collation") << "DROP TABLE PlaceDisplays; CREATE TABLE PlaceDisplays(identifier"
            " COLLATE NOCASE, timestamp, place_point_latitude, place_point_longitude, telephone, fax, url, name"
            " COLLATE NOCASE)" << 4;
    }

    void readingGivesWhatTheStatementsGive()
    {
        QFETCH(QString, schemaChange);
        QFETCH(int, seed);
        QTemporaryDir temp;
        ulq::cmn::utils::SetTempFolder(temp.path().toStdWString());
        const test::AppleMapsBackupFixture backup;
        if (!schemaChange.isEmpty())
            backup.Execute(schemaChange);
        cmn::db::SqLiteDbAdapter adapter(backup.DatabasePath().toStdString());
        QRandomGenerator random(seed);
        for (const char* table : queries::SizeTables) {
            int columns = 0;
            adapter.ForEachRow(std::string("PRAGMA table_info(") + table + ")", [&](const auto&) { ++columns; });
            backup.Execute("BEGIN;" + HostileRows(table, columns, random) + "COMMIT");
        }

        for (const char* statement : {queries::PlaceBookmarks, queries::RouteBookmarks, queries::QuerySearches,
                                      queries::PlaceDisplays, queries::DirectionsSearches}) {
            cmn::db::ResultTable exact;
            cmn::db::ResultTable read;
            adapter.GetDataByQuery(statement, exact);
            cmn::db::ReadTable(adapter, statement, read);
            QVERIFY(exact.RowCount() < 400);
            QCOMPARE(Flattened(read), Flattened(exact));
        }
        appleMaps::iCloudSyncAppleMapsParser parser(backup.DescriptorPath().toStdWString());
        QCOMPARE(parser.GetDataSize(), adapter.GetRowCount(queries::Size));
    }
};

MAPS_TEST_CLASS(ExactStatementsTest);
#include "tst_ExactStatements.moc"
