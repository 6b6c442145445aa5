#include "DatabaseCounts.h"

#include "support/FileContents.h"
#include "support/FileTreeSnapshot.h"
#include "support/MapsviewSession.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using host::sample::SampleManifest;

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

} // namespace

class TestMapsviewCommands : public QObject {
    Q_OBJECT

private slots:
    void summaryReportsWhatSampleWrote_data();
    void summaryReportsWhatSampleWrote();
    void binaryDescriptorOffersNoAppleMapsData();
    void missingDescriptorIsReported_data();
    void missingDescriptorIsReported();
    void logOfASummaryDecrypts();
    void showSavesAScreenshot_data();
    void showSavesAScreenshot();
    void badArgumentsWriteNothing_data();
    void badArgumentsWriteNothing();
    void versionIsThePlugInVersion();

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
    QTest::addColumn<QStringList>("environment");
    QTest::newRow("regular rows, backup folder") << QStringList{"--rows", "400", "--seed", "4"} << false << QStringList();
    QTest::newRow("regular rows, descriptor file") << QStringList{"--rows", "400", "--seed", "5"} << true
                                                   << QStringList();
    QTest::newRow("edge cases among regular rows")
        << QStringList{"--rows", "400", "--seed", "6", "--edge-cases"} << false << QStringList();
    QTest::newRow("empty tables") << QStringList{"--rows", "0"} << false << QStringList();
    // Containers often name locales they do not have.
    QTest::newRow("LANG names a locale the machine lacks")
        << QStringList{"--rows", "5"} << false << QStringList{"LANG=ru_RU.UTF-8", "LC_ALL="};
    QTest::newRow("LC_ALL names a locale the machine lacks")
        << QStringList{"--rows", "5"} << true << QStringList{"LC_ALL=de_DE.UTF-8"};
}

// The counts come from SQLite itself; the backup is left exactly as it was, and the private copy
// is gone when mapsview exits. `info` reads the same size from a folder or a descriptor.
void TestMapsviewCommands::summaryReportsWhatSampleWrote()
{
    QFETCH(QStringList, options);
    QFETCH(bool, byDescriptor);
    QFETCH(QStringList, environment);
    QVERIFY(m_session.IsValid());
    QTemporaryDir backup;
    const QString databasePath = WriteSample(backup.path(), options);
    QVERIFY(!databasePath.isEmpty());
    const SampleManifest expected = test::CountDatabase(databasePath);
    const test::FileTreeSnapshot before(backup.path());

    const QString path = byDescriptor ? backup.filePath(QStringLiteral("icloud_synced.xml")) : backup.path();
    const test::MapsviewRun run = m_session.Run({QStringLiteral("summary"), path}, environment);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, run.standardError.constData());
    QCOMPARE(Line(run.standardOutput), SummaryLine(expected));
    const test::MapsviewRun info = m_session.Run({QStringLiteral("info"), path}, environment);
    QVERIFY2(info.standardOutput.contains(QStringLiteral("Records: %1\n").arg(expected.CategorySize()).toUtf8()),
             info.standardOutput.constData());
    QVERIFY(test::FileTreeSnapshot(backup.path()) == before);
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

void TestMapsviewCommands::missingDescriptorIsReported_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder without a descriptor")
        << "." << QStringList() << QStringList() << "holds no backup descriptor \"icloud_synced.xml\"";
    QTest::newRow("path that does not exist")
        << "nowhere/icloud_synced.xml" << QStringList() << QStringList() << "does not exist";
    // The language of the system locale, installed or not, unless --language names another.
    const QStringList russian{"LANG=ru_RU.UTF-8", "LC_ALL="};
    QTest::newRow("in Russian") << "nowhere" << russian << QStringList() << "не существует";
    QTest::newRow("in English by --language") << "nowhere" << russian << QStringList{"--language", "en"}
                                              << "does not exist";
}

void TestMapsviewCommands::missingDescriptorIsReported()
{
    QFETCH(QString, relativePath);
    QFETCH(QStringList, environment);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QStringList arguments = QStringList{QStringLiteral("summary"), folder.filePath(relativePath)} + options;
    const test::MapsviewRun run = m_session.Run(arguments, environment);
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.standardOutput, QByteArray());
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
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
    QVERIFY(test::ReadFile(decrypted).contains("parsing successfully finished."));
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
    const test::FileTreeSnapshot before(backup.path());
    QTemporaryDir out;
    const QString png = out.filePath(QStringLiteral("window.png"));
    const QStringList arguments{QStringLiteral("show"), backup.path(), QStringLiteral("--screenshot"), png};
    const test::MapsviewRun run = m_session.Run(arguments + options);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, run.standardError.constData());
    QCOMPARE(QImage(png).size(), QSize(1400, 860));
    QVERIFY2(!run.standardError.contains("Failed to load style sheet"), run.standardError.constData());
    QVERIFY(test::FileTreeSnapshot(backup.path()) == before);
    QCOMPARE(m_session.TemporaryLeftovers(), QStringList());
}

void TestMapsviewCommands::badArgumentsWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString sampleUsage = QStringLiteral("Usage: mapsview sample DIR");
    QTest::newRow("sample without a folder") << QStringList{"sample", "--rows", "3"} << 2 << sampleUsage;
    QTest::newRow("sample into two folders") << QStringList{"sample", "{folder}/one", "{folder}/two"} << 2
                                             << sampleUsage;
    QTest::newRow("sample rows not a number") << QStringList{"sample", "{folder}/backup", "--rows", "many"} << 2
                                              << sampleUsage;
    QTest::newRow("sample negative seed") << QStringList{"sample", "{folder}/backup", "--seed", "-1"} << 2
                                          << sampleUsage;
    QTest::newRow("sample unknown option") << QStringList{"sample", "{folder}/backup", "--colour"} << 2
                                           << sampleUsage;
    QTest::newRow("category out of range")
        << QStringList{"show", "{folder}", "--screenshot", "{folder}/w.png", "--category", "4"} << 2
        << "Usage: mapsview show";
    QTest::newRow("screenshot without a backup") << QStringList{"show", "--screenshot", "{folder}/w.png"} << 2
                                                 << "Usage: mapsview show";
    QTest::newRow("search without a screenshot") << QStringList{"show", "{folder}", "--search", "x"} << 2
                                                 << "Usage: mapsview show";
    QTest::newRow("screenshot of a folder without a backup")
        << QStringList{"show", "{folder}", "--screenshot", "{folder}/w.png"} << 1 << "holds no backup descriptor";
    QTest::newRow("report from a date that is no date")
        << QStringList{"export-report", "{folder}", "{folder}/out.xlsx", "--from", "soon"} << 2
        << "--from needs an ISO date";
    QTest::newRow("report without a target") << QStringList{"export-report", "{folder}"} << 2
                                             << "Usage: mapsview export-report";
    QTest::newRow("kml of an unknown kind") << QStringList{"export-kml", "{folder}", "photos", "{folder}/out.kml"} << 2
                                            << "Unknown record kind \"photos\"";
    QTest::newRow("language the viewer does not speak")
        << QStringList{"show", "{folder}", "--screenshot", "{folder}/w.png", "--language", "de"} << 2
        << "--language ru|en";
}

void TestMapsviewCommands::badArgumentsWriteNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir folder;
    arguments.replaceInStrings(QStringLiteral("{folder}"), folder.path());
    const test::MapsviewRun run = m_session.Run(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
    QCOMPARE(test::FolderEntries(folder.path()), QStringList());
}

void TestMapsviewCommands::versionIsThePlugInVersion()
{
    const test::MapsviewRun info = m_session.Run({QStringLiteral("info")});
    const QRegularExpression versionLine(QStringLiteral("^Version: (\\S+)$"), QRegularExpression::MultilineOption);
    const QString plugInVersion = versionLine.match(QString::fromUtf8(info.standardOutput)).captured(1);
    QVERIFY2(!plugInVersion.isEmpty(), info.standardOutput.constData());
    const test::MapsviewRun run = m_session.Run({QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Line(run.standardOutput), QStringLiteral("mapsview ") + plugInVersion);
}

MAPS_TEST_CLASS(TestMapsviewCommands);
#include "tst_MapsviewCommands.moc"
