#include "support/CaughtException.h"
#include "support/TestRegistry.h"

#include "cmn/db/CppSQLite3DB.h"
#include "cmn/db/CppSQLite3Exception.h"

#include <sqlite3.h>

#include <QTest>

#include <memory>

class CppSQLite3Test : public QObject {
    Q_OBJECT

private slots:
    void messageNamesTheCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("first primary code") << 0 << "SQLITE_OK[0]: detail";
        QTest::newRow("last named primary code") << 25 << "SQLITE_RANGE[25]: detail";
        QTest::newRow("not a database has no name") << 26 << "UNKNOWN_ERROR[26]: detail";
        QTest::newRow("row") << 100 << "SQLITE_ROW[100]: detail";
        QTest::newRow("wrapper") << 1000 << "CPPSQLITE_ERROR[1000]: detail";
        QTest::newRow("extended code") << 266 << "UNKNOWN_ERROR[266]: detail";
    }

    void messageNamesTheCode()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        const CppSQLite3Exception exception(code, "detail");
        QCOMPARE(exception.ErrorCode(), code);
        QCOMPARE(QString::fromUtf8(exception.ErrorMessage()), message);
        QCOMPARE(exception.what(), "CppSQLite3Exception");
    }

    void missingDetailLeavesItEmpty()
    {
        QCOMPARE(CppSQLite3Exception(1, nullptr).ErrorMessage(), "SQLITE_ERROR[1]: ");
    }

    // The sanitizer run reports a detail that is not freed, or freed twice by a copy.
    void detailOwnedBySqliteIsFreedAndCopiesKeepTheMessage()
    {
        std::unique_ptr<CppSQLite3Exception> original = std::make_unique<CppSQLite3Exception>(
            1, sqlite3_mprintf("no such table: %s", "X"), CppSQLite3Exception::Detail::OwnedBySqlite);
        const CppSQLite3Exception copy(*original);
        original.reset();
        QCOMPARE(copy.ErrorMessage(), "SQLITE_ERROR[1]: no such table: X");
    }

    void closedConnectionRefusesQueries()
    {
        CppSQLite3DB db;
        const auto failure = test::CaughtException<CppSQLite3Exception>([&] { db.ExecQuery("SELECT 1"); });
        QVERIFY(failure);
        QCOMPARE(failure->ErrorCode(), 1000);
        QCOMPARE(failure->ErrorMessage(), "CPPSQLITE_ERROR[1000]: Database not open");
        db.Close();
    }
};

MAPS_TEST_CLASS(CppSQLite3Test);
#include "tst_CppSQLite3.moc"
