#include "FileTreeSnapshot.h"
#include "HostedParse.h"

#include "support/RecordingSink.h"
#include "support/SqliteFile.h"
#include "support/TestRegistry.h"

#include "sample/SampleBackup.h"

#include "cmn/PathEncoding.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Databases whose statements would run without end or fill the memory: each is refused or
// interrupted with a journal entry, the backup untouched and the copy gone.
class HostileDatabasesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tempFolder;

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_tempFolder.isValid());
    }

    void runawayStatements_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("lastEntry");
        QTest::newRow("view over an endless recursion")
            << "ALTER TABLE PlaceBookmarks RENAME TO Stored; CREATE VIEW PlaceBookmarks AS WITH RECURSIVE"
               " n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT Stored.* FROM n, Stored"
            << "PlaceBookmarks is a view or a virtual table, not a table of data.";
        QTest::newRow("virtual table") << "DROP TABLE Addresses; CREATE VIRTUAL TABLE Addresses USING fts4(identifier,"
                                          " country, country_code, administrative_area, administrative_area_code,"
                                          " locality, post_code, thoroughfare, sub_thoroughfare)"
                                       << "Addresses is a view or a virtual table, not a table of data.";
        QTest::newRow("column computing an enormous text")
            << "DROP TABLE PlaceDisplays; CREATE TABLE PlaceDisplays (identifier, timestamp, place_point_latitude,"
               " place_point_longitude, telephone, fax, url, name AS (hex(zeroblob(400000000))));"
               "INSERT INTO PlaceDisplays VALUES ('x', 1, 2.0, 3.0, '', '', '')"
            << " string or blob too big";
    }

    void runawayStatements()
    {
        QFETCH(QString, sql);
        QFETCH(QString, lastEntry);
        QTemporaryDir backup;
        host::sample::SampleOptions options;
        options.rowsPerTable = 200;
        const host::sample::SampleManifest manifest = host::sample::WriteSampleBackup(backup.path(), options);
        test::SqliteFile(manifest.databasePath).Execute(sql);
        const test::FileTreeSnapshot before(backup.path());

        const test::HostedParse parse = test::ParseAsHost(manifest.descriptorPath, m_tempFolder.path());

        QVERIFY(parse.failed);
        QCOMPARE(parse.LastEntry(), "error: [Apple Maps]: Can't select from DB: " + lastEntry);
        QVERIFY2(parse.milliseconds < 10000, qPrintable(QString::number(parse.milliseconds)));
        const test::FileTreeSnapshot after(backup.path());
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));
        QVERIFY(QDir(m_tempFolder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
};

MAPS_TEST_CLASS(HostileDatabasesTest);
#include "tst_HostileDatabases.moc"
