#include "XlsxReader.h"

#include "support/TestRegistry.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
    QString errors;
};

Run Mapsview(const QStringList& arguments, const QString& appData)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("appdata", appData);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MAPS_MAPSVIEW), arguments);
    process.waitForFinished(120000);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// One hash over the names and contents of every file below `folder`.
QByteArray FolderHash(const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QStringList files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files << entries.next();
    files.sort();
    for (const QString& path : files) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        hash.addData(path.toUtf8());
        hash.addData(file.readAll());
    }
    return hash.result();
}

} // namespace

// Runs the exports as a user would, on a sample backup that `mapsview sample` writes.
class MapsviewExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_backup;
    QString m_appData;
    QByteArray m_backupHash;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_appData = m_folder.filePath("appdata");
        QVERIFY(QDir().mkpath(m_appData));
        m_backup = m_folder.filePath("backup");
        const Run sample = Mapsview({"sample", m_backup}, m_appData);
        if (sample.exitCode != 0)
            QSKIP("mapsview sample cannot write a sample backup here");
        m_backupHash = FolderHash(m_backup);
    }

    void cleanupTestCase()
    {
        if (!m_backupHash.isEmpty())
            QCOMPARE(FolderHash(m_backup), m_backupHash);
    }

    void reportOpensAsWorkbook()
    {
        const QString target = m_folder.filePath("report.xlsx");
        const Run run = Mapsview({"export-report", m_backup, target}, m_appData);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const test::XlsxReader reader(target);
        QVERIFY(reader.IsValid());
        const QStringList sheets = reader.SheetNames();
        QVERIFY2(!sheets.isEmpty(), "the sample backup has records");
        QStringList expected = {"Apple Maps - Searches", "Apple Maps - Favorites", "Apple Maps - Explored places",
                                "Apple Maps - Directions searche"};
        QCOMPARE(sheets, QStringList(expected.mid(expected.indexOf(sheets.first()), sheets.size())));
        const QMap<QString, QString> cells = reader.Cells(1);
        QVERIFY(cells.value("A1").startsWith("Date"));
        QVERIFY(cells.value("A2").contains(QRegularExpression(R"(^\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d \(UTC)")));
        const auto summary = std::find_if(cells.begin(), cells.end(),
                                          [](const QString& text) { return text.startsWith("Exported "); });
        QVERIFY(summary != cells.end());
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error"); // {target} for the last argument
        const QString missing = "missing folder/";
        QTest::newRow("date that is no date") << QStringList({"export-report", "B", "out.xlsx", "--from", "soon"}) << 2 << "";
        QTest::newRow("report without target") << QStringList({"export-report", "B"}) << 2 << "";
        QTest::newRow("unknown kind") << QStringList({"export-kml", "B", "photos", "out.kml"}) << 2 << "";
        QTest::newRow("unwritable kml") << QStringList({"export-kml", "B", "searches", missing + "T.kml"}) << 1
                                        << "Cannot write {target}";
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        if (arguments.size() > 2)
            arguments.last() = m_folder.filePath(arguments.last());
        arguments.replace(1, m_backup);
        const Run run = Mapsview(arguments, m_appData);
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(!run.errors.isEmpty() && run.errors.contains(error.replace("{target}", arguments.last())),
                 qPrintable(run.errors));
        QVERIFY(arguments.size() == 2 || !QFile::exists(arguments.last()));
    }

    void kmlOfEveryKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("documentName");
        QTest::newRow("searches") << "searches" << "Searches history for ";
        QTest::newRow("favorites") << "favorites" << "Favorites history for ";
        QTest::newRow("explored") << "explored" << "Explored places  history for ";
        QTest::newRow("directions") << "directions" << "Directions searches history for ";
    }

    void kmlOfEveryKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, documentName);
        const QString target = m_folder.filePath(kind + ".kml");
        const Run run = Mapsview({"export-kml", m_backup, kind, target}, m_appData);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QString firstName;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("name")
                && firstName.isEmpty())
                firstName = reader.readElementText();
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QVERIFY2(firstName.startsWith(documentName), qPrintable(firstName));
    }
};

MAPS_TEST_CLASS(MapsviewExportTest);

#include "tst_MapsviewExport.moc"
