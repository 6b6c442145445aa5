#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/SqliteFile.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/ErrorCode.h"
#include "cmn/db/CellView.h"
#include "cmn/db/CppSQLite3Exception.h"
#include "cmn/db/ExceptionUserText.h"
#include "cmn/db/ResultTable.h"
#include "cmn/db/SqLiteDbAdapter.h"
#include "cmn/db/SqlException.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using cmn::db::ResultTable;
using cmn::db::Rows;
using cmn::db::SqLiteDbAdapter;
using cmn::db::SqlException;

class SqLiteDbAdapterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_path;

    std::string Path() const { return m_path.toStdString(); }

    QString SelectFailure(const std::string& path, const std::string& sql)
    {
        const auto failure = test::CaughtException<SqlException>([&] {
            SqLiteDbAdapter adapter(path);
            Rows rows;
            adapter.GetDataByQuery(sql, rows);
        });
        if (!failure)
            return "no failure";
        if (failure->GetErrorCode() != cmn::MakeErrorCode(31, cmn::Facility::Sql))
            return "error code " + QString::number(failure->GetErrorCode(), 16);
        return QString::fromStdString(failure->GetUserText());
    }

private slots:
    void initTestCase()
    {
        test::ProcessRecordingSink();
        QVERIFY(m_folder.isValid());
        m_path = m_folder.filePath("adapter.sqlite");
        test::SqliteFile file(m_path);
        file.Execute("CREATE TABLE cells (i, r, s, b, n);"
                     "INSERT INTO cells VALUES (-5, 55.75, CAST(x'610062' AS TEXT), x'00FF10', NULL);"
                     "CREATE TABLE sizes (v); INSERT INTO sizes VALUES (7), ('7'), (7.0);"
                     "CREATE TABLE mixed (v); INSERT INTO mixed VALUES (1), (2.5), (''), (x''), ('Кремль'), (NULL),"
                     " (x'0102'), (-9223372036854775807 - 1);");
        test::WriteFile(m_folder.filePath("garbage.sqlite"), QByteArray(4096, 'x'));
    }

    void queryWithoutRowsReplacesTheRowsWithNone()
    {
        SqLiteDbAdapter adapter(Path());
        Rows rows;
        adapter.GetDataByQuery("SELECT i FROM cells", rows);
        QCOMPARE(rows.size(), std::size_t(1));
        adapter.GetDataByQuery("SELECT i FROM cells WHERE i > 0", rows);
        QVERIFY(rows.empty());
    }

    // Every storage class, empty and large texts, a text with an embedded NUL (which a length
    // taken with strlen would cut), and enough rows and bytes to fill many blocks.
    void tableHoldsTheCellsOfTheRows()
    {
        const std::string sql = "SELECT v, typeof(v) FROM mixed UNION ALL SELECT s, b FROM cells"
                                " UNION ALL SELECT printf('%.*c', 70000, 'y'), NULL"
                                " UNION ALL SELECT * FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL"
                                " SELECT i + 1 FROM n WHERE i < 5000) SELECT i, printf('%.*c', i % 40, 'x') FROM n)";
        SqLiteDbAdapter adapter(Path());
        Rows rows;
        ResultTable table;
        adapter.GetDataByQuery(sql, rows);
        adapter.GetDataByQuery(sql, table);
        QCOMPARE(table.ColumnCount(), std::size_t(2));
        QCOMPARE(table.RowCount(), rows.size());
        QCOMPARE((*rows.front())[1]->name, std::string("typeof(v)"));
        for (std::size_t row = 0; row < rows.size(); ++row) {
            // A reader lets go of each row it is done with; what follows stays readable.
            if (row >= rows.size() / 2)
                table.ReleaseRowsBefore(row);
            for (std::size_t column = 0; column < table.ColumnCount(); ++column) {
                const cmn::db::CellView expected = cmn::db::ViewOf((*rows[row])[column]->value);
                const cmn::db::CellView cell = table.Cell(row, column);
                QCOMPARE(cell.type, expected.type);
                QCOMPARE(cell.integer, expected.integer);
                QCOMPARE(cell.real, expected.real);
                QCOMPARE(cell.bytes, expected.bytes);
                // An empty text stays told apart from a reader's default, which has no data.
                QVERIFY(cell.type != cmn::db::CellType::Text || cell.bytes.data() != nullptr);
            }
        }
        QVERIFY_EXCEPTION_THROWN(table.Cell(0, 0), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(table.Cell(rows.size() - 1, 2), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(table.Cell(rows.size(), 0), std::out_of_range);
    }

    // The statement fails at its last row; what the call replaces stays as it was.
    void failureAfterSomeRowsKeepsThePreviousResult()
    {
        SqLiteDbAdapter adapter(Path());
        ResultTable table;
        adapter.GetDataByQuery("SELECT i FROM cells", table);
        const auto failure = test::CaughtException<SqlException>(
            [&] { adapter.GetDataByQuery("SELECT abs(v) FROM mixed WHERE typeof(v) = 'integer'", table); });
        QVERIFY(failure);
        QCOMPARE(failure->GetErrorCode(), cmn::MakeErrorCode(31, cmn::Facility::Sql));
        QCOMPARE(failure->GetUserText(), std::string("Can't select from DB:  integer overflow"));
        QCOMPARE(table.RowCount(), std::size_t(1));
        QCOMPARE(table.Cell(0, 0).integer, cmn::db::Int64(-5));
    }

    void pathInAMissingFolderCannotBeOpened()
    {
        const std::string path = m_folder.filePath("missing/adapter.sqlite").toStdString();
        const auto failure = test::CaughtException<SqlException>([&] { SqLiteDbAdapter adapter(path); });
        QVERIFY(failure);
        QCOMPARE(failure->GetErrorCode(), cmn::MakeErrorCode(6, cmn::Facility::Sql));
        QCOMPARE(failure->GetUserText(), std::string("The system cannot open database file."));
    }

    // The file is never written, whatever the statement.
    void failingQueriesNameTheCause_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("userText");
        const QString readOnly = "Can't select from DB:  attempt to write a readonly database";
        QTest::newRow("syntax error") << "adapter.sqlite" << "SELEC 1"
                                      << "Can't select from DB:  near \"SELEC\": syntax error";
        QTest::newRow("missing column") << "adapter.sqlite" << "SELECT missing_column FROM cells"
                                        << "Can't select from DB:  no such column: missing_column";
        QTest::newRow("empty statement") << "adapter.sqlite" << " "
                                         << "Can't select from DB:  Null Virtual Machine pointer";
        QTest::newRow("update") << "adapter.sqlite" << "UPDATE cells SET i = 1" << readOnly;
        QTest::newRow("file that is no database") << "garbage.sqlite" << "SELECT 1 FROM sqlite_master"
                                                  << "Can't select from DB:  file is not a database";
        // sqlite3_open creates what is missing: only private copies may ever be opened.
        QTest::newRow("missing file in an existing folder opens empty")
            << "created.sqlite" << "SELECT identifier FROM PlaceBookmarks"
            << "Can't select from DB:  no such table: PlaceBookmarks";
    }

    void failingQueriesNameTheCause()
    {
        QFETCH(QString, file);
        QFETCH(QString, sql);
        QFETCH(QString, userText);
        const QString path = m_folder.filePath(file);
        const QByteArray before = test::ReadFile(path);
        QCOMPARE(SelectFailure(path.toStdString(), sql.toStdString()), userText);
        QCOMPARE(test::ReadFile(path), before);
    }

    // Databases from phones are mostly in write-ahead-log mode; reading one must leave nothing
    // beside the copy that the copy's holder would not delete.
    void readingAWalDatabaseLeavesNoCompanionFiles()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("wal.sqlite");
        test::SqliteFile(path).Execute("PRAGMA journal_mode = WAL; CREATE TABLE t (x); INSERT INTO t VALUES (1);");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"wal.sqlite"});
        {
            SqLiteDbAdapter adapter(path.toStdString());
            Rows rows;
            adapter.GetDataByQuery("SELECT x FROM t", rows);
            QCOMPARE(rows.size(), std::size_t(1));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"wal.sqlite"});
    }

    void rowCountReadsOneInteger_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<qulonglong>("count");
        QTest::newRow("integer") << "SELECT v FROM sizes WHERE typeof(v) = 'integer'" << 7ull;
        QTest::newRow("text result") << "SELECT v FROM sizes WHERE typeof(v) = 'text'" << 0ull;
        QTest::newRow("null result") << "SELECT NULL" << 0ull;
        QTest::newRow("several rows, first one counts") << "SELECT rowid * 10 FROM sizes" << 10ull;
        QTest::newRow("no row") << "SELECT v FROM sizes WHERE 0" << 0ull;
    }

    void rowCountReadsOneInteger()
    {
        QFETCH(QString, sql);
        QFETCH(qulonglong, count);
        QCOMPARE(SqLiteDbAdapter(Path()).GetRowCount(sql.toStdString()), count);
    }

    void userTextByErrorCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("userText");
        QTest::newRow("I/O error") << 10 << "disk I/O error" << "The system cannot find the drive specified.";
        QTest::newRow("full") << 13 << "database or disk is full" << "There is no free space left on the device";
        QTest::newRow("cannot open") << 14 << "unable to open database file" << "The system cannot open database file.";
        QTest::newRow("other code keeps the detail") << 1 << "no such table: t" << " no such table: t";
        QTest::newRow("cut at the first separator only") << 1 << "a]: b" << " a]: b";
        QTest::newRow("empty detail") << 11 << "" << " ";
    }

    void userTextByErrorCode()
    {
        QFETCH(int, code);
        QFETCH(QString, detail);
        QFETCH(QString, userText);
        const QByteArray detailText = detail.toUtf8();
        QCOMPARE(QString::fromStdString(cmn::db::UserTextOf(CppSQLite3Exception(code, detailText.constData()))),
                 userText);
    }
};

MAPS_TEST_CLASS(SqLiteDbAdapterTest);
#include "tst_SqLiteDbAdapter.moc"
