#include "support/SqliteFile.h"
#include "support/TestRegistry.h"

#include "appleMaps/parser/QueryPrefetch.h"
#include "cmn/db/SqlException.h"

#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

using appleMaps::details::QueryPrefetch;

namespace {

// The first column of every row, joined with "|".
QString FirstColumn(const cmn::db::ResultTable& table)
{
    QString text;
    for (std::size_t row = 0; row < table.RowCount(); ++row)
        text += QString::number(table.Cell(row, 0).integer) + '|';
    return text;
}

} // namespace

class QueryPrefetchTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::string m_path;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        const QString path = m_folder.filePath("prefetch.sqlite");
        test::SqliteFile file(path);
        file.Execute("CREATE TABLE a (x); INSERT INTO a VALUES (1), (2); CREATE TABLE b (x); INSERT INTO b VALUES (3)");
        m_path = path.toStdString();
    }

    void resultsComeInStatementOrder()
    {
        QueryPrefetch prefetch(m_path, {"SELECT x FROM a", "SELECT x FROM b", "SELECT x FROM a WHERE x > 5"});
        QCOMPARE(FirstColumn(prefetch.Next()), QString("1|2|"));
        QCOMPARE(FirstColumn(prefetch.Next()), QString("3|"));
        QCOMPARE(prefetch.Next().RowCount(), std::size_t(0));
    }

    // The statements before a failing one still hand their results over.
    void failureComesInItsTurn()
    {
        QueryPrefetch prefetch(m_path, {"SELECT x FROM a", "SELECT x FROM missing", "SELECT x FROM b"});
        QCOMPARE(FirstColumn(prefetch.Next()), QString("1|2|"));
        try {
            prefetch.Next();
            QFAIL("the failing statement gave a result");
        } catch (const cmn::db::SqlException& exception) {
            QVERIFY(std::string(exception.what()).find("no such table: missing") != std::string::npos);
        }
    }

    void connectionThatCannotOpenFailsTheFirstResult()
    {
        QueryPrefetch prefetch(m_folder.filePath("missing folder/x.sqlite").toStdString(), {"SELECT 1"});
        QVERIFY_EXCEPTION_THROWN(prefetch.Next(), cmn::db::SqlException);
    }

    // Leaving early, as a failing conversion does, must not wait for results nobody takes.
    void resultsNotTakenAreDropped()
    {
        QueryPrefetch prefetch(m_path, {"SELECT x FROM a", "SELECT x FROM b", "SELECT x FROM a"});
        QCOMPARE(FirstColumn(prefetch.Next()), QString("1|2|"));
    }
};

MAPS_TEST_CLASS(QueryPrefetchTest);

#include "tst_QueryPrefetch.moc"
