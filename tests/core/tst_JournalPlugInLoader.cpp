#include "support/FileContents.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char kLoadedLine[] = "Journal plugin is loaded successfully.";

// Runs a copy of the probe from a fresh folder whose "Plugins/JournalPlugIn.so" is a copy of
// `library` (none when empty); returns what the probe printed.
QString RunProbeInFolder(const QString& folderTemplate, const QString& library)
{
    QTemporaryDir folder(QDir::tempPath() + "/" + folderTemplate);
    if (!folder.isValid())
        return "cannot create " + folderTemplate;
    const QString probe = folder.filePath("journal_probe");
    if (!QFile::copy(MAPS_JOURNAL_PROBE, probe))
        return "cannot copy the probe";
    if (!library.isEmpty()
        && !(QDir(folder.path()).mkdir("Plugins")
             && QFile::copy(library, folder.filePath("Plugins/JournalPlugIn.so"))))
        return "cannot place " + library;
    QProcess process;
    process.start(probe, QStringList());
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return "probe did not finish: " + process.errorString();
    if (process.exitCode() != 0)
        return QString("probe failed (%1): %2")
            .arg(process.exitCode())
            .arg(QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class JournalPlugInLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void libraryBesideTheExecutable_data()
    {
        const QString loaded = QString("info core::GetJournalPlugIn %1\njournal: usable\n").arg(kLoadedLine);
        const QString none = "journal: none\n";
        QTest::addColumn<QString>("folderTemplate");
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("output");
        QTest::newRow("host journal") << "journal-XXXXXX" << MAPS_HOST_JOURNAL << loaded;
        QTest::newRow("host journal under a non-ASCII folder")
            << QString::fromUtf8("Журнал ошибок-XXXXXX") << MAPS_HOST_JOURNAL << loaded;
        QTest::newRow("no Plugins folder") << "journal-XXXXXX" << QString() << none;
        QTest::newRow("file that is not a library") << "journal-XXXXXX" << NotALibrary() << none;
        QTest::newRow("plug-in without the journal interface")
            << "journal-XXXXXX" << MAPS_FOREIGN_PLUGIN << none;
        QTest::newRow("plug-in without a journal") << "journal-XXXXXX" << MAPS_NULL_JOURNAL_PLUGIN << none;
        QTest::newRow("journal that is not usable")
            << "journal-XXXXXX" << MAPS_UNUSABLE_JOURNAL_PLUGIN << none;
    }

    void libraryBesideTheExecutable()
    {
        QFETCH(QString, folderTemplate);
        QFETCH(QString, library);
        QFETCH(QString, output);
        QCOMPARE(RunProbeInFolder(folderTemplate, library), output);
    }

private:
    QString NotALibrary()
    {
        const QString path = m_scratch.filePath("JournalPlugIn.so");
        test::WriteFile(path, "not a library");
        return path;
    }

    QTemporaryDir m_scratch;
};

MAPS_TEST_CLASS(JournalPlugInLoaderTest);

#include "tst_JournalPlugInLoader.moc"
