#include "BackupFolder.h"

#include "support/FileContents.h"
#include "support/FileTreeSnapshot.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/FileSystemException.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"
#include "cmn/backup/ICloudSyncedLocation.h"

#include "CryptLog/log/Severity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using test::CaughtException;
using test::CategoryXml;
using test::DescriptorXml;
using test::ReadFile;

namespace {

QString PathText(const boost::filesystem::path& path)
{
    return ulq::cmn::utils::PathToQString(path);
}

} // namespace

class ICloudSyncedLocationTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tempFolder;

    QStringList TempEntries() const { return test::FolderEntries(m_tempFolder.path()); }

private slots:
    void initTestCase()
    {
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_tempFolder.isValid());
        ulq::cmn::utils::SetTempFolder(m_tempFolder.path().toStdWString());
        QVERIFY(test::ProcessRecordingSink());
    }

    void init()
    {
        test::ProcessRecordingSink()->Clear();
        for (const QString& entry : TempEntries())
            QFile::remove(m_tempFolder.filePath(entry));
    }

    void categoryEntryIsJoinedToTheDescriptorFolder_data()
    {
        QTest::addColumn<QByteArray>("database");
        QTest::addColumn<QString>("relative");
        QTest::newRow("file in a sub-folder") << QByteArray("AppleMaps/MapsSync_0.0.1") << "AppleMaps/MapsSync_0.0.1";
        QTest::newRow("non-ascii") << QByteArray("Карты/地図.db") << "Карты/地図.db";
        QTest::newRow("parent folder stays unresolved") << QByteArray("../outside.db") << "../outside.db";
        QTest::newRow("absolute entry is joined too") << QByteArray("/var/db/maps.db") << "var/db/maps.db";
    }

    void categoryEntryIsJoinedToTheDescriptorFolder()
    {
        QFETCH(QByteArray, database);
        QFETCH(QString, relative);
        test::BackupFolder backup;
        const auto descriptor = backup.WriteDescriptor(DescriptorXml("3", CategoryXml("AppleMaps", database)));

        const QString resolved = PathText(cmn::ResolveICloudSyncedCategory(descriptor, "AppleMaps", "Database"));
        QCOMPARE(QDir::cleanPath(resolved), QDir::cleanPath(backup.FilePath(relative)));
        QCOMPARE(PathText(cmn::ResolveICloudSyncedDb(descriptor, "AppleMaps", false)), resolved);
        QVERIFY(TempEntries().isEmpty());
    }

    void databaseIsCopiedIntoTheTempFolderAndTheBackupOnlyRead()
    {
        test::BackupFolder backup;
        const QByteArray database = QByteArray("SQLite format 3\0", 16) + QByteArray(5000, '\x5a');
        backup.Write("AppleMaps/MapsSync_0.0.1", database);
        backup.Write("AppleMaps/MapsSync_0.0.1-wal", "write-ahead log");
        const auto descriptor = backup.WriteDescriptor(
            DescriptorXml("3", CategoryXml("AppleMaps", "AppleMaps/MapsSync_0.0.1", "5"), "  <Id>X</Id>\n"));
        QFile::setPermissions(backup.FilePath("AppleMaps/MapsSync_0.0.1"), QFileDevice::ReadOwner);
        const test::FileTreeSnapshot before(backup.Path());

        const QString copy = PathText(cmn::ResolveICloudSyncedDb(descriptor, "AppleMaps", true));

        QCOMPARE(QFileInfo(copy).absolutePath(), QFileInfo(m_tempFolder.path()).absoluteFilePath());
        QCOMPARE(ReadFile(copy), database);
        QVERIFY(QFileInfo(copy).permissions() & QFileDevice::WriteOwner);
        QCOMPARE(TempEntries(), QStringList{QFileInfo(copy).fileName()});
        const test::FileTreeSnapshot after(backup.Path());
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));

        const QString second = PathText(cmn::ResolveICloudSyncedDb(descriptor, "AppleMaps", true));
        QVERIFY(second != copy);
        QCOMPARE(TempEntries().size(), 2);
    }

    // Copying a device or a pipe would never end; a folder cannot be copied at all.
    void unusableEntryIsReported_data()
    {
        QTest::addColumn<QByteArray>("categories");
        QTest::addColumn<QString>("entryKind");
        QTest::addColumn<QString>("userText");
        const QString notFound = "Can't find file for AppleMaps plugin in backup: ";
        QTest::newRow("no such category") << CategoryXml("Notes", "notes.db") << "" << notFound;
        QTest::newRow("no database element") << CategoryXml("AppleMaps", {}) << "" << notFound;
        QTest::newRow("empty database element") << CategoryXml("AppleMaps", "") << "" << notFound;
        const QString notAFile = "Can't find database for AppleMaps plugin in backup: <entry> is not a regular file.";
        QTest::newRow("folder") << CategoryXml("AppleMaps", "AppleMaps/entry.db") << "folder" << notAFile;
        QTest::newRow("pipe") << CategoryXml("AppleMaps", "AppleMaps/entry.db") << "pipe" << notAFile;
    }

    void unusableEntryIsReported()
    {
        QFETCH(QByteArray, categories);
        QFETCH(QString, entryKind);
        QFETCH(QString, userText);
        test::BackupFolder backup;
        const QString entry = backup.FilePath("AppleMaps/entry.db");
        QVERIFY(QDir().mkpath(entryKind == "folder" ? entry : backup.FilePath("AppleMaps")));
        if (entryKind == "pipe")
            QVERIFY(::mkfifo(QFile::encodeName(entry).constData(), 0600) == 0);
        const auto descriptor = backup.WriteDescriptor(DescriptorXml("3", categories));

        const auto failure = CaughtException<ulq::cmn::FileSystemException>(
            [&] { cmn::ResolveICloudSyncedDb(descriptor, "AppleMaps", true); });

        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()), userText.replace("<entry>", entry));
        QCOMPARE(QString::fromStdWString(failure->GetPath()), backup.FilePath("icloud_synced.xml"));
        const std::vector<test::RecordedLine> lines = test::ProcessRecordingSink()->Lines();
        QCOMPARE(lines.empty(), !entryKind.isEmpty());
        QVERIFY(lines.empty() || (lines[0].severity == int(CryptLog::Error)
                                  && QString::fromStdString(lines[0].message).contains(backup.FilePath("icloud_synced.xml"))));
        QVERIFY(TempEntries().isEmpty());
    }
};

MAPS_TEST_CLASS(ICloudSyncedLocationTest);
#include "tst_ICloudSyncedLocation.moc"
