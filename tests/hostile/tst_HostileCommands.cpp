#include "support/AppleMapsBackupFixture.h"
#include "support/FileContents.h"
#include "support/FileTreeSnapshot.h"
#include "support/MapsviewSession.h"
#include "support/SqliteFile.h"
#include "support/TestRegistry.h"
#include "support/XmlTree.h"

#include "sample/SampleBackup.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Makes a backup hostile: `backup` is a sample backup, `outside` a folder beside it.
using Setup = std::function<void(const QString& backup, const QString& outside)>;
Q_DECLARE_METATYPE(Setup)

namespace {

void WriteSample(const QString& folder)
{
    host::sample::SampleOptions options;
    options.rowsPerTable = 20;
    host::sample::WriteSampleBackup(folder, options);
}

void MakeFifo(const QString& path)
{
#ifdef Q_OS_UNIX
    ::mkfifo(QFile::encodeName(path).constData(), 0600);
#endif
}

void MakeLargeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(65) << 20))
        throw std::runtime_error("cannot grow " + path.toStdString());
}

// Puts what `make` makes in place of the backup's file at `relative`.
Setup Replace(const QString& relative, const std::function<void(const QString& path)>& make)
{
    return [relative, make](const QString& backup, const QString&) {
        QFile::remove(backup + relative);
        make(backup + relative);
    };
}

Setup RewriteDescriptor(const std::function<QByteArray(const QByteArray&)>& change)
{
    return [change](const QString& backup, const QString&) {
        test::WriteFile(backup + "/icloud_synced.xml", change(test::ReadFile(backup + "/icloud_synced.xml")));
    };
}

} // namespace

// The viewer host's commands on hostile backups and export targets: the exit code, the message,
// an unchanged backup and nothing left in the temporary folder, whatever happens.
class HostileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void commandsRefuseHostileInput_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const Setup none = [](const QString&, const QString&) {};
        const QString inside = "lies inside the opened backup";
        QTest::newRow("kml over the database") << none << QStringList{"export-kml", "B", "searches", "B/AppleMaps/MapsSync.sqlite"} << inside;
        QTest::newRow("new kml inside the backup") << none << QStringList{"export-kml", "B", "favorites", "B/AppleMaps/new.kml"} << inside;
        QTest::newRow("report over the descriptor") << none << QStringList{"export-report", "B", "B/icloud_synced.xml"} << inside;
        QTest::newRow("screenshot inside the backup") << none << QStringList{"show", "B", "--screenshot", "B/shot.png"} << inside;
        QTest::newRow("through a link to the backup folder")
            << Setup([](const QString& backup, const QString& outside) { QFile::link(backup, outside + "/link"); })
            << QStringList{"export-kml", "B", "explored", "O/link/x.kml"} << inside;
        QTest::newRow("over a database outside the backup")
            << Setup([](const QString& backup, const QString& outside) {
                   QFile::rename(backup + "/AppleMaps/MapsSync.sqlite", outside + "/Maps.sqlite");
                   test::DescriptorFields fields;
                   fields.database = QDir(backup).relativeFilePath(outside + "/Maps.sqlite");
                   test::WriteFile(backup + "/icloud_synced.xml", test::DescriptorXml(fields));
               })
            << QStringList{"export-kml", "B", "directions", "O/Maps.sqlite-wal"} << "a file of the opened backup";
        QTest::newRow("descriptor is a pipe") << Replace("/icloud_synced.xml", MakeFifo)
                                              << QStringList{"summary", "B/icloud_synced.xml"} << "Not a regular file: ";
        QTest::newRow("descriptor links to a device")
            << Replace("/icloud_synced.xml", [](const QString& path) { QFile::link("/dev/zero", path); })
            << QStringList{"summary", "B"} << "Not a regular file: ";
        QTest::newRow("descriptor of 65 MB") << Replace("/icloud_synced.xml", MakeLargeFile) << QStringList{"summary", "B"}
                                             << "File is too large to be read: ";
        QTest::newRow("UTF-16 descriptor") << RewriteDescriptor([](const QByteArray& bytes) {
            const QString text = QString::fromUtf8(bytes);
            return "\xff\xfe" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        }) << QStringList{"summary", "B"} << "could not be read";
        QTest::newRow("descriptor cut short")
            << RewriteDescriptor([](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); })
            << QStringList{"summary", "B"} << "could not be read";
        QTest::newRow("database entry names a pipe") << Replace("/AppleMaps/MapsSync.sqlite", MakeFifo)
                                                     << QStringList{"summary", "B"} << "MapsSync.sqlite is not a regular file.";
        QTest::newRow("kml into a missing folder")
            << none << QStringList{"export-kml", "B", "searches", "O/missing/T.kml"} << "Cannot write ";
        QTest::newRow("database without one of its tables") << Setup([](const QString& backup, const QString&) {
            test::SqliteFile(backup + "/AppleMaps/MapsSync.sqlite").Execute("DROP TABLE RouteBookmarks");
        }) << QStringList{"summary", "B"} << "RouteBookmarks";
        QTest::newRow("sample over a backup") << none << QStringList{"sample", "B"} << "a backup is never overwritten";
        QTest::newRow("path beyond the system's limit")
            << none << QStringList{"summary", "B/" + QString(5000, 'x')} << "is longer than the system allows";
    }

    void commandsRefuseHostileInput()
    {
        QFETCH(Setup, setup);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir backup, outside;
        WriteSample(backup.path());
        setup(backup.path(), outside.path());
        for (QString& argument : arguments)
            argument.replace(QRegularExpression("^B"), backup.path()).replace(QRegularExpression("^O"), outside.path());
        const test::FileTreeSnapshot before(backup.path());

        const test::MapsviewSession mapsview;
        const test::MapsviewRun run = mapsview.Run(arguments);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);

        QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
        const test::FileTreeSnapshot after(backup.path());
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));
        QCOMPARE(mapsview.TemporaryLeftovers(), QStringList());
    }

    // The copies hold evidence: they stay in a folder only the user can read, which goes with its
    // process, also when a signal ends it, or at the next start after a process died unseen.
    void evidenceCopiesGoWithTheirProcess()
    {
        QTemporaryDir backup;
        WriteSample(backup.path());
        const test::MapsviewSession viewer;
        const QDir temp(viewer.TemporaryPath());
        const QString stale = temp.filePath("mapsview-2147483646-5-a1b2c3");
        QVERIFY(QDir().mkpath(stale));
        test::WriteFile(stale + "/0a1b-2c3d-4e5f-6a7b", "a copy of evidence");
        QProcess window;
        viewer.Start(window, {"show", backup.path()});
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(stale) && viewer.TemporaryLeftovers().size() == 1, 30000);
        const QFileInfo own(temp.filePath(viewer.TemporaryLeftovers().value(0)));
        QCOMPARE(own.permissions() & 0x0077, QFileDevice::Permissions());

        QCOMPARE(viewer.Run({"summary", backup.path()}).exitCode, 0);
        QVERIFY2(QFileInfo::exists(own.filePath()), "a running viewer's folder is not stale");
        window.terminate();
        QVERIFY(window.waitForFinished(30000));
        QCOMPARE(viewer.TemporaryLeftovers(), QStringList());
    }

    // Each kind reaches its own document. Map programs read one time per coordinate in a track;
    // one of them crashed without.
    void everyKindsTracksHoldATimePerCoordinate()
    {
        const QMap<QString, QString> documentNames{{"searches", "Searches history for "},
                                                   {"favorites", "Favorites history for "},
                                                   {"explored", "Explored places  history for "},
                                                   {"directions", "Directions searches history for "}};
        QTemporaryDir folder;
        const test::MapsviewSession mapsview;
        const QString backup = folder.filePath("backup");
        QCOMPARE(mapsview.Run({"sample", backup, "--edge-cases"}).exitCode, 0);
        int tracks = 0;
        for (const QString& kind : documentNames.keys()) {
            const QString kml = folder.filePath(kind + ".kml");
            QCOMPARE(mapsview.Run({"export-kml", backup, kind, kml}).exitCode, 0);
            QString error;
            const test::XmlElement root = test::ReadXmlFile(kml, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            const QString documentName = root.TextAt("Document/name") + root.TextAt("Document/Folder/name");
            QVERIFY2(documentName.startsWith(documentNames[kind]), qPrintable(documentName));
            for (const test::XmlElement* placemark : test::KmlPlacemarks(root)) {
                for (const test::XmlElement* track : placemark->Children("gx:Track")) {
                    QCOMPARE(track->Children("when").size(), track->Children("gx:coord").size());
                    ++tracks;
                }
            }
        }
        QVERIFY(tracks > 0);
    }
};

MAPS_TEST_CLASS(HostileCommandsTest);
#include "tst_HostileCommands.moc"
