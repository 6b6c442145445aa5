#include "DatabaseCounts.h"
#include "MapsviewSession.h"

#include "support/TestRegistry.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

using host::sample::SampleManifest;

// Every file and folder under `root` with its content hash, size and modification time.
QMap<QString, QString> Snapshot(const QString& root)
{
    QMap<QString, QString> snapshot;
    QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    const QDir base(root);
    while (entries.hasNext()) {
        const QFileInfo info(entries.next());
        QString state = QString::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isFile()) {
            QFile file(info.filePath());
            QCryptographicHash hash(QCryptographicHash::Sha256);
            if (file.open(QIODevice::ReadOnly))
                hash.addData(&file);
            state += QLatin1Char(' ') + QString::number(info.size()) + QLatin1Char(' ') + hash.result().toHex();
        }
        snapshot.insert(base.relativeFilePath(info.filePath()), state);
    }
    return snapshot;
}

QString SummaryLine(const SampleManifest& expected)
{
    return QStringLiteral("{\"category\": \"Apple Maps\", \"size\": %1, \"searches\": %2, \"favorites\": %3, "
                          "\"explored_places\": %4, \"directions_searches\": %5}")
        .arg(expected.CategorySize())
        .arg(expected.Searches())
        .arg(expected.Favorites())
        .arg(expected.ExploredPlaces())
        .arg(expected.DirectionsSearches());
}

QString Line(const QByteArray& output)
{
    return QString::fromUtf8(output).trimmed();
}

bool Execute(const QString& databasePath, const char* sql)
{
    sqlite3* db = nullptr;
    const bool done = sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READWRITE,
                                      nullptr) == SQLITE_OK
        && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

} // namespace

class TestMapsviewCommands : public QObject {
    Q_OBJECT

private slots:
    void summaryReportsWhatSampleWrote_data();
    void summaryReportsWhatSampleWrote();
    void binaryDescriptorOffersNoAppleMapsData();
    void failedParseExitsNonZero();
    void missingDescriptorIsReported_data();
    void missingDescriptorIsReported();
    void sampleRefusesExistingBackup();
    void sampleRejectsBadArguments_data();
    void sampleRejectsBadArguments();
    void logOfASummaryDecrypts();
    void showSavesAScreenshot_data();
    void showSavesAScreenshot();
    void showRejectsBadArguments_data();
    void showRejectsBadArguments();
    void helpListsEveryCommand();

private:
    // Writes a sample backup into `folder` with `options`; the database path, or empty on failure.
    QString WriteSample(const QString& folder, const QStringList& options);

    test::MapsviewSession m_session;
};

QString TestMapsviewCommands::WriteSample(const QString& folder, const QStringList& options)
{
    const test::MapsviewRun run = m_session.Run(QStringList{QStringLiteral("sample"), folder} + options);
    if (!run.finished || run.exitCode != 0) {
        qWarning("mapsview sample: %s", run.standardError.constData());
        return {};
    }
    return QJsonDocument::fromJson(run.standardOutput).object().value(QStringLiteral("database")).toString();
}

void TestMapsviewCommands::summaryReportsWhatSampleWrote_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("byDescriptor");
    QTest::newRow("regular rows, backup folder") << QStringList{"--rows", "400", "--seed", "4"} << false;
    QTest::newRow("regular rows, descriptor file") << QStringList{"--rows", "400", "--seed", "5"} << true;
    QTest::newRow("edge cases among regular rows")
        << QStringList{"--rows", "400", "--seed", "6", "--edge-cases"} << false;
    QTest::newRow("empty tables") << QStringList{"--rows", "0"} << false;
}

// The counts come from SQLite itself; the backup is left exactly as it was, and the private copy
// is gone when mapsview exits.
void TestMapsviewCommands::summaryReportsWhatSampleWrote()
{
    QFETCH(QStringList, options);
    QFETCH(bool, byDescriptor);
    QVERIFY(m_session.IsValid());
    QTemporaryDir backup;
    const QString databasePath = WriteSample(backup.path(), options);
    QVERIFY(!databasePath.isEmpty());
    const SampleManifest expected = test::CountDatabase(databasePath);
    const QMap<QString, QString> before = Snapshot(backup.path());

    const QString path = byDescriptor ? backup.filePath(QStringLiteral("icloud_synced.xml")) : backup.path();
    const test::MapsviewRun run = m_session.Run({QStringLiteral("summary"), path});
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, run.standardError.constData());
    QCOMPARE(Line(run.standardOutput), SummaryLine(expected));
    QCOMPARE(Snapshot(backup.path()), before);
    QCOMPARE(m_session.TemporaryLeftovers(), QStringList());
}

// The descriptor's version is read from its XML text, which a binary property list has none of.
void TestMapsviewCommands::binaryDescriptorOffersNoAppleMapsData()
{
    QTemporaryDir backup;
    QVERIFY(!WriteSample(backup.path(), {QStringLiteral("--rows"), QStringLiteral("10"),
                                         QStringLiteral("--binary-descriptor")})
                 .isEmpty());
    const test::MapsviewRun run = m_session.Run({QStringLiteral("summary"), backup.path()});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Line(run.standardOutput), SummaryLine(SampleManifest()));
    QVERIFY2(run.standardError.contains("No Apple Maps data in"), run.standardError.constData());
}

void TestMapsviewCommands::failedParseExitsNonZero()
{
    QTemporaryDir backup;
    const QString databasePath = WriteSample(backup.path(), {QStringLiteral("--rows"), QStringLiteral("10")});
    QVERIFY(Execute(databasePath, "DROP TABLE RouteBookmarks"));
    const QMap<QString, QString> before = Snapshot(backup.path());
    const test::MapsviewRun run = m_session.Run({QStringLiteral("summary"), backup.path()});
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.standardOutput, QByteArray());
    QVERIFY2(run.standardError.contains("RouteBookmarks"), run.standardError.constData());
    QCOMPARE(Snapshot(backup.path()), before);
    QCOMPARE(m_session.TemporaryLeftovers(), QStringList());
}

void TestMapsviewCommands::missingDescriptorIsReported_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder without a descriptor") << "." << "holds no backup descriptor \"icloud_synced.xml\"";
    QTest::newRow("path that does not exist") << "nowhere/icloud_synced.xml" << "does not exist";
}

void TestMapsviewCommands::missingDescriptorIsReported()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const test::MapsviewRun run = m_session.Run({QStringLiteral("summary"), folder.filePath(relativePath)});
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.standardOutput, QByteArray());
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
}

void TestMapsviewCommands::sampleRefusesExistingBackup()
{
    QTemporaryDir backup;
    QVERIFY(!WriteSample(backup.path(), {QStringLiteral("--rows"), QStringLiteral("5")}).isEmpty());
    const QMap<QString, QString> before = Snapshot(backup.path());
    const test::MapsviewRun run = m_session.Run({QStringLiteral("sample"), backup.path()});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains("a backup is never overwritten"), run.standardError.constData());
    QCOMPARE(Snapshot(backup.path()), before);
}

void TestMapsviewCommands::sampleRejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no folder") << QStringList{"--rows", "3"};
    QTest::newRow("two folders") << QStringList{"{folder}/one", "{folder}/two"};
    QTest::newRow("rows not a number") << QStringList{"{folder}/backup", "--rows", "many"};
    QTest::newRow("negative seed") << QStringList{"{folder}/backup", "--seed", "-1"};
    QTest::newRow("unknown option") << QStringList{"{folder}/backup", "--colour"};
}

// Nothing is written for arguments that do not parse.
void TestMapsviewCommands::sampleRejectsBadArguments()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir folder;
    arguments.replaceInStrings(QStringLiteral("{folder}"), folder.path());
    const test::MapsviewRun run = m_session.Run(QStringList{QStringLiteral("sample")} + arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.standardError.contains("Usage: mapsview sample DIR"), run.standardError.constData());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// The log is written encrypted; the host's own command must turn it back into text lines.
void TestMapsviewCommands::logOfASummaryDecrypts()
{
    QTemporaryDir backup;
    QVERIFY(!WriteSample(backup.path(), {QStringLiteral("--rows"), QStringLiteral("5")}).isEmpty());
    QCOMPARE(m_session.Run({QStringLiteral("summary"), backup.path()}).exitCode, 0);

    QDirIterator logs(m_session.AppDataPath(), {QStringLiteral("ULQ.log")}, QDir::Files,
                      QDirIterator::Subdirectories);
    QVERIFY(logs.hasNext());
    const QString encrypted = logs.next();
    const QString decrypted = backup.filePath(QStringLiteral("ULQ.txt"));
    const test::MapsviewRun run = m_session.Run({QStringLiteral("decrypt-log"), encrypted, decrypted});
    QVERIFY2(run.exitCode == 0, run.standardError.constData());
    QFile text(decrypted);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(text.readAll().contains("parsing successfully finished."));
}

void TestMapsviewCommands::showSavesAScreenshot_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("the page as it opens") << QStringList();
    QTest::newRow("favourites") << QStringList{"--category", "1"};
    QTest::newRow("directions searches with a search") << QStringList{"--category", "3", "--search", "a"};
    QTest::newRow("searches with the map") << QStringList{"--category", "0", "--map"};
}

// The window is read-only towards the backup and leaves no private copy behind.
void TestMapsviewCommands::showSavesAScreenshot()
{
    QFETCH(QStringList, options);
    QTemporaryDir backup;
    QVERIFY(!WriteSample(backup.path(), {QStringLiteral("--rows"), QStringLiteral("20")}).isEmpty());
    const QMap<QString, QString> before = Snapshot(backup.path());
    QTemporaryDir out;
    const QString png = out.filePath(QStringLiteral("window.png"));
    const QStringList arguments{QStringLiteral("show"), backup.path(), QStringLiteral("--screenshot"), png};
    const test::MapsviewRun run = m_session.Run(arguments + options);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, run.standardError.constData());
    QCOMPARE(QImage(png).size(), QSize(1400, 860));
    QCOMPARE(Snapshot(backup.path()), before);
    QCOMPARE(m_session.TemporaryLeftovers(), QStringList());
}

void TestMapsviewCommands::showRejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("category out of range")
        << QStringList{"{folder}", "--screenshot", "{folder}/w.png", "--category", "4"} << 2 << "Usage: mapsview show";
    QTest::newRow("screenshot without a backup") << QStringList{"--screenshot", "{folder}/w.png"} << 2
                                                 << "Usage: mapsview show";
    QTest::newRow("search without a screenshot") << QStringList{"{folder}", "--search", "x"} << 2
                                                 << "Usage: mapsview show";
    QTest::newRow("folder without a backup") << QStringList{"{folder}", "--screenshot", "{folder}/w.png"} << 1
                                             << "holds no backup descriptor";
}

void TestMapsviewCommands::showRejectsBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir folder;
    arguments.replaceInStrings(QStringLiteral("{folder}"), folder.path());
    const test::MapsviewRun run = m_session.Run(QStringList{QStringLiteral("show")} + arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("w.png"))));
}

void TestMapsviewCommands::helpListsEveryCommand()
{
    const test::MapsviewRun run = m_session.Run({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QStringList commands;
    for (const QString& line : QString::fromUtf8(run.standardOutput).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("  ")) && !line.startsWith(QLatin1String("   ")))
            commands << line.section(QLatin1Char(' '), 2, 2);
    }
    QCOMPARE(commands, (QStringList{"show", "info", "summary", "export-kml", "export-report", "sample", "decrypt-log",
                                    "--help"}));
}

MAPS_TEST_CLASS(TestMapsviewCommands);
#include "tst_MapsviewCommands.moc"
