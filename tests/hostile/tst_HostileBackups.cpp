#include "HostedParse.h"
#include "HostileFiles.h"

#include "support/AppleMapsBackupFixture.h"
#include "support/FileContents.h"
#include "support/FileTreeSnapshot.h"
#include "support/RecordingSink.h"
#include "support/SqliteFile.h"
#include "support/TestRegistry.h"

#include "sample/SampleBackup.h"

#include "cmn/PathEncoding.h"
#include "core/JournalPlugInLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

// Damages a backup's database; what it returns keeps the damage up (a lock, say) while it lives.
using Damage = std::function<std::shared_ptr<void>(const QString& databasePath)>;
Q_DECLARE_METATYPE(Damage)

namespace {

host::sample::SampleManifest WriteSample(const QString& folder)
{
    host::sample::SampleOptions options;
    options.rowsPerTable = 200;
    return host::sample::WriteSampleBackup(folder, options);
}

std::uint64_t RecordCount(const host::sample::SampleManifest& manifest)
{
    return manifest.Searches() + manifest.Favorites() + manifest.ExploredPlaces() + manifest.DirectionsSearches();
}

QString ExtractedEntry(const host::sample::SampleManifest& manifest)
{
    return QStringLiteral("info: [Apple Maps]: %1 records extracted.").arg(manifest.CategorySize());
}

Damage Replace(const std::function<QByteArray(const QByteArray&)>& change)
{
    return [change](const QString& path) {
        test::WriteFile(path, change(test::ReadFile(path)));
        return nullptr;
    };
}

Damage Run(const QString& sql)
{
    return [sql](const QString& path) {
        test::SqliteFile(path).Execute(sql);
        return nullptr;
    };
}

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(7);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

} // namespace

// Broken, foreign and hostile backups, driven through the plug-in as the host drives it: what the
// journal says, and that nothing in or around the backup is written.
class HostileBackupsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tempFolder;

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_tempFolder.isValid());
        QVERIFY2(core::GetJournalPlugIn(), "the host's journal plug-in is built beside the tests");
    }

    // Every copy is gone again, whatever the parse met.
    void cleanup() { QCOMPARE(test::FolderEntries(m_tempFolder.path()), QStringList()); }

    void databaseEntryOutsideTheBackup_data()
    {
        QTest::addColumn<QString>("entryKind");
        QTest::addColumn<bool>("readsOutside");
        QTest::newRow("parent folders") << "parents" << true;
        QTest::newRow("symbolic link") << "link" << true;
        // Joined below the descriptor's folder, where nothing is.
        QTest::newRow("absolute path") << "absolute" << false;
    }

    void databaseEntryOutsideTheBackup()
    {
        QFETCH(QString, entryKind);
        QFETCH(bool, readsOutside);
        QTemporaryDir outside;
        QTemporaryDir backup;
        const host::sample::SampleManifest manifest = WriteSample(outside.path());
        test::DescriptorFields fields;
        fields.database = entryKind == "parents" ? QDir(backup.path()).relativeFilePath(manifest.databasePath)
                          : entryKind == "link"  ? QStringLiteral("AppleMaps/MapsSync.sqlite")
                                                 : manifest.databasePath;
        if (entryKind == "link") {
            QVERIFY(QDir(backup.path()).mkpath("AppleMaps"));
            QVERIFY(QFile::link(manifest.databasePath, backup.filePath(fields.database)));
        }
        test::WriteFile(backup.filePath("icloud_synced.xml"), test::DescriptorXml(fields));
        const test::FileTreeSnapshot backupBefore(backup.path());
        const test::FileTreeSnapshot outsideBefore(outside.path());

        const test::HostedParse parse = test::ParseAsHost(backup.filePath("icloud_synced.xml"), m_tempFolder.path());

        QCOMPARE(parse.LastEntry(), readsOutside ? ExtractedEntry(manifest)
                                                 : "error: [Apple Maps]: Can't select from DB:  no such table: Addresses");
        QCOMPARE(parse.records, readsOutside ? RecordCount(manifest) : 0u);
        const QString warning = "[Apple Maps]: The database " + QFileInfo(manifest.databasePath).canonicalFilePath()
                                + " that the backup names lies outside the backup folder";
        QCOMPARE(std::count_if(parse.journal.begin(), parse.journal.end(),
                               [&](const core::JournalEntry& entry) { return entry.text.startsWith(warning); }),
                 readsOutside ? 1 : 0);
        const test::FileTreeSnapshot backupAfter(backup.path());
        const test::FileTreeSnapshot outsideAfter(outside.path());
        QVERIFY2(backupAfter == backupBefore, qPrintable(backupAfter.ChangesSince(backupBefore)));
        QVERIFY2(outsideAfter == outsideBefore, qPrintable(outsideAfter.ChangesSince(outsideBefore)));
    }

    void damagedDatabase_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("lastEntry");
        const QString notADatabase = "error: [Apple Maps]: Can't select from DB:  file is not a database";
        QTest::newRow("random bytes") << Replace([](const QByteArray&) { return RandomBytes(8192); }) << notADatabase;
        QTest::newRow("text file") << Replace([](const QByteArray&) { return QByteArray("no tables here\n").repeated(300); })
                                   << notADatabase;
        QTest::newRow("encrypted header") << Replace([](QByteArray bytes) {
            for (int i = 0; i < 100; ++i)
                bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
            return bytes;
        }) << notADatabase;
        QTest::newRow("empty file") << Replace([](const QByteArray&) { return QByteArray(); })
                                    << "error: [Apple Maps]: Can't select from DB:  no such table: Addresses";
        QTest::newRow("first half only") << Replace([](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); })
                                         << "error: [Apple Maps]: Can't select from DB:  database disk image is malformed";
        QTest::newRow("table missing") << Run("DROP TABLE PlaceDisplays")
                                       << "error: [Apple Maps]: Can't select from DB:  no such table: PlaceDisplays";
        QTest::newRow("column missing") << Run("ALTER TABLE PlaceBookmarks DROP COLUMN title")
                                        << "error: [Apple Maps]: Can't select from DB:  no such column: title";
        // Cells that the readers cannot take give the fields' defaults, not a failed parse.
        QTest::newRow("texts and blobs in the wrong columns")
            << Run("UPDATE PlaceBookmarks SET timestamp = 'yesterday', title = x'00ff', place_point_latitude = 'north';"
                   "UPDATE QuerySearches SET query = x'01', map_region_south_latitude = x'02';"
                   "UPDATE Addresses SET country = 7.5, locality = x'03'")
            << "<extracted>";
        // The plug-in reads a copy, so a writer's lock on the evidence never makes it wait for the
        // connection's busy time-out: a file copy takes no SQLite lock.
        QTest::newRow("locked by a writer") << Damage([](const QString& path) {
            auto writer = std::make_shared<test::SqliteFile>(path);
            writer->Execute("BEGIN EXCLUSIVE");
            return writer;
        }) << "<extracted>";
        QTest::newRow("read-only") << Damage([](const QString& path) {
            return std::make_shared<test::ReadOnlyTree>(QFileInfo(path).absolutePath());
        }) << "<extracted>";
        // Statements that would run without end or fill the memory are refused or interrupted.
        QTest::newRow("view over an endless recursion")
            << Run("ALTER TABLE PlaceBookmarks RENAME TO Stored; CREATE VIEW PlaceBookmarks AS WITH RECURSIVE"
                   " n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT Stored.* FROM n, Stored")
            << "error: [Apple Maps]: Can't select from DB: PlaceBookmarks is a view or a virtual table, not a table of data.";
        QTest::newRow("virtual table")
            << Run("DROP TABLE Addresses; CREATE VIRTUAL TABLE Addresses USING fts4(identifier, country, country_code,"
                   " administrative_area, administrative_area_code, locality, post_code, thoroughfare, sub_thoroughfare)")
            << "error: [Apple Maps]: Can't select from DB: Addresses is a view or a virtual table, not a table of data.";
        QTest::newRow("column computing an enormous text")
            << Run("DROP TABLE PlaceDisplays; CREATE TABLE PlaceDisplays (identifier, timestamp, place_point_latitude,"
                   " place_point_longitude, telephone, fax, url, name AS (hex(zeroblob(400000000))));"
                   "INSERT INTO PlaceDisplays VALUES ('x', 1, 2.0, 3.0, '', '', '')")
            << "error: [Apple Maps]: Can't select from DB:  string or blob too big";
    }

    void damagedDatabase()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, lastEntry);
        QTemporaryDir backup;
        const host::sample::SampleManifest manifest = WriteSample(backup.path());
        const std::shared_ptr<void> damaged = damage(manifest.databasePath);
        const test::FileTreeSnapshot before(backup.path());

        const test::HostedParse parse = test::ParseAsHost(manifest.descriptorPath, m_tempFolder.path());

        QVERIFY2(parse.milliseconds < 10000, qPrintable(QString::number(parse.milliseconds)));
        const bool parsed = lastEntry == "<extracted>";
        QCOMPARE(parse.LastEntry(), parsed ? ExtractedEntry(manifest) : lastEntry);
        QCOMPARE(parse.failed, !parsed);
        if (parsed)
            QCOMPARE(parse.records, RecordCount(manifest));
        const test::FileTreeSnapshot after(backup.path());
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));
    }

    void unusableTempFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("lastEntryStart");
        QTest::newRow("below a file") << "below a file" << "warning: [Apple Maps]: Can't create directory: <temp>";
        QTest::newRow("read-only") << "read-only" << "warning: [Apple Maps]: Can't copy file: <database> to <temp>/";
        QTest::newRow("filling up during the copy") << "full" << "warning: [Apple Maps]: Can't copy file: <database> to <temp>/";
        QTest::newRow("no room") << "no room" << "warning: [Apple Maps]: Not enough free space in temporary folder: ";
    }

    void unusableTempFolder()
    {
        QFETCH(QString, kind);
        QFETCH(QString, lastEntryStart);
        QTemporaryDir backup;
        QTemporaryDir place;
        const host::sample::SampleManifest manifest = WriteSample(backup.path());
        QString temp = place.filePath("temp");
        if (kind == "below a file") {
            test::WriteFile(place.filePath("file"), "a file, not a folder");
            temp = place.filePath("file/temp");
        } else {
            QVERIFY(QDir().mkpath(temp));
        }
        std::optional<test::ReadOnlyTree> readOnly;
        if (kind == "read-only" && !readOnly.emplace(temp).Binds())
            QSKIP("permissions do not bind this user");
        if (kind == "full" && !test::FileSizeLimit::Available())
            QSKIP("no file size limit on this system");
        std::optional<test::SmallFileSystem> noRoom;
        if (kind == "no room" && !noRoom.emplace(temp).Mounted())
            QSKIP("only the superuser mounts a small file system");
        const test::FileTreeSnapshot before(backup.path());

        std::optional<test::FileSizeLimit> full;
        if (kind == "full")
            full.emplace(16 * 1024);
        const test::HostedParse parse = test::ParseAsHost(manifest.descriptorPath, temp);
        full.reset();

        QVERIFY(parse.failed);
        const QString expected =
            QString(lastEntryStart).replace("<temp>", temp).replace("<database>", manifest.databasePath);
        QVERIFY2(parse.LastEntry().startsWith(expected), qPrintable(parse.LastEntry()));
        QCOMPARE(test::FolderEntries(temp), QStringList());
        const test::FileTreeSnapshot after(backup.path());
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));
    }
};

MAPS_TEST_CLASS(HostileBackupsTest);
#include "tst_HostileBackups.moc"
