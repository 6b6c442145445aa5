#include "FileTreeSnapshot.h"
#include "HostileFiles.h"

#include "support/AppleMapsBackupFixture.h"
#include "support/TestRegistry.h"

#include "sample/SampleBackup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Makes a backup hostile: `backup` is a sample backup, `outside` a folder beside it.
using Setup = std::function<void(const QString& backup, const QString& outside)>;
Q_DECLARE_METATYPE(Setup)

namespace {

// The built viewer host as a user runs it, with a temporary folder of its own.
class Mapsview final {
public:
    explicit Mapsview(const QString& tempFolder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", tempFolder);
        environment.insert("appdata", m_appData.path());
        environment.insert("XDG_RUNTIME_DIR", m_appData.path());
        m_process.setProcessEnvironment(environment);
    }
    QProcess& Start(const QStringList& arguments)
    {
        m_process.start(QStringLiteral(MAPS_MAPSVIEW), arguments);
        return m_process;
    }
    // The exit code, -1 for a crash or a hang.
    int Run(const QStringList& arguments)
    {
        Start(arguments).waitForFinished(60000);
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString Errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    QTemporaryDir m_appData;
    QProcess m_process;
};

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
        QTest::newRow("path beyond the system's limit")
            << none << QStringList{"summary", "B/" + QString(5000, 'x')} << "is longer than the system allows";
    }

    void commandsRefuseHostileInput()
    {
        QFETCH(Setup, setup);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir backup, outside, temp;
        WriteSample(backup.path());
        setup(backup.path(), outside.path());
        for (QString& argument : arguments)
            argument.replace(QRegularExpression("^B"), backup.path()).replace(QRegularExpression("^O"), outside.path());
        const test::FileTreeSnapshot before(backup.path());

        Mapsview mapsview(temp.path());
        QCOMPARE(mapsview.Run(arguments), 1);

        const QString errors = mapsview.Errors();
        QVERIFY2(errors.contains(message), qPrintable(errors));
        const test::FileTreeSnapshot after(backup.path());
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));
        QVERIFY(QDir(temp.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
    }

    // The copies hold evidence: they stay in a folder only the user can read, which goes with its
    // process, also when a signal ends it, or at the next start after a process died unseen.
    void evidenceCopiesGoWithTheirProcess()
    {
        QTemporaryDir backup, temp;
        WriteSample(backup.path());
        const QString stale = temp.filePath("mapsview-2147483646-5-a1b2c3");
        QVERIFY(QDir().mkpath(stale));
        test::WriteFile(stale + "/0a1b-2c3d-4e5f-6a7b", "a copy of evidence");
        Mapsview viewer(temp.path());
        QProcess& window = viewer.Start({"show", backup.path()});
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(stale) && QDir(temp.path()).count() == 3, 30000);
        const QFileInfo own(QDir(temp.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot).value(0));
        QCOMPARE(own.permissions() & 0x0077, QFileDevice::Permissions());

        QCOMPARE(Mapsview(temp.path()).Run({"summary", backup.path()}), 0);
        QVERIFY2(QFileInfo::exists(own.filePath()), "a running viewer's folder is not stale");
        window.terminate();
        QVERIFY(window.waitForFinished(30000));
        QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // Map programs read one time per coordinate in a track; one of them crashed without.
    void everyTrackHoldsATimePerCoordinate()
    {
        QTemporaryDir folder;
        Mapsview mapsview(folder.path());
        const QString backup = folder.filePath("backup");
        QCOMPARE(mapsview.Run({"sample", backup, "--edge-cases"}), 0);
        int tracks = 0;
        for (const QString kind : {"searches", "favorites", "explored", "directions"}) {
            const QString kml = folder.filePath(kind + ".kml");
            QCOMPARE(mapsview.Run({"export-kml", backup, kind, kml}), 0);
            QFile file(kml);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader reader(&file);
            int times = -1, coordinates = 0;
            while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
                const QStringRef name = reader.qualifiedName();
                if (reader.isStartElement() && name == QLatin1String("gx:Track")) {
                    times = coordinates = 0;
                } else if (reader.isStartElement() && times >= 0) {
                    times += name == QLatin1String("when");
                    coordinates += name == QLatin1String("gx:coord");
                } else if (reader.isEndElement() && name == QLatin1String("gx:Track")) {
                    QCOMPARE(times, coordinates);
                    times = -1;
                    ++tracks;
                }
            }
            QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        }
        QVERIFY(tracks > 0);
    }
};

MAPS_TEST_CLASS(HostileCommandsTest);
#include "tst_HostileCommands.moc"
