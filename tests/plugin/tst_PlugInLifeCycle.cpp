#include "ScriptedBackups.h"

#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "cmn/CommonExceptions.h"
#include "cmn/FileSystemException.h"
#include "cmn/db/SqlException.h"
#include "core/CategoryViewBase.h"
#include "core/JournalPlugInLoader.h"
#include "core/interfaces/IJournal.h"
#include "core/interfaces/IStopFlag.h"
#include "exportReport/button/ExportButton.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using ExceptionThrower = std::function<void()>;
Q_DECLARE_METATYPE(ExceptionThrower)
Q_DECLARE_METATYPE(core::JournalSeverity)

namespace {

void FillTwoSearches(appleMaps::AppleMapsRecords& records)
{
    records.querySearches.resize(2);
}

} // namespace

class PlugInLifeCycleTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_first;
    QString m_second;
    core::IJournal* m_journal = nullptr;

    // A descriptor file in a backup folder of its own.
    QString MakeBackup(const QString& name)
    {
        QDir(m_folder.path()).mkpath(name);
        const QString descriptor = m_folder.filePath(name + "/icloud_synced.xml");
        test::WriteFile(descriptor, QByteArray());
        return descriptor;
    }

    std::shared_ptr<test::ScriptedBackup> Backup(std::uint64_t size)
    {
        auto backup = std::make_shared<test::ScriptedBackup>();
        backup->size = size;
        backup->fill = FillTwoSearches;
        return backup;
    }

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        QVERIFY(m_folder.isValid());
        m_first = MakeBackup("first");
        m_second = MakeBackup("second");
        m_journal = core::GetJournalPlugIn();
        QVERIFY2(m_journal, "the host's journal plug-in is built beside the tests");
    }

    void parseIsJournalledAndNotRepeatedForAnUnchangedBackup()
    {
        auto backup = Backup(2);
        test::ScriptedPlugIn plugIn({{m_first, backup}});
        int seen = m_journal->EntryCount();
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        QCOMPARE(backup->parseCalls, 1);
        QCOMPARE(plugIn.GetRecords().querySearches.size(), 2u);
        const QVector<core::JournalEntry> entries = m_journal->Entries(seen);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].text, QString("[Apple Maps]: Parsing Apple Maps started."));
        QCOMPARE(entries[1].text, QString("[Apple Maps]: 2 records extracted."));

        seen = m_journal->EntryCount();
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        QCOMPARE(backup->parseCalls, 1);
        QVERIFY(m_journal->Entries(seen).isEmpty());
    }

    void emptyCategoryIsNotParsedAndGetsNoPage()
    {
        auto backup = Backup(0);
        test::ScriptedPlugIn plugIn({{m_first, backup}});
        const int seen = m_journal->EntryCount();
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        QCOMPARE(backup->parseCalls, 0);
        QVERIFY(m_journal->Entries(seen).isEmpty());
        plugIn.CreateView();
        QVERIFY(!plugIn.GetCategoryPlugIn()->TakeView());
    }

    void stoppedParseKeepsNothingAndIsRepeated()
    {
        struct Stopped : core::IStopFlag {
            bool IsStopped() const override { return true; }
        } stopFlag;
        auto backup = Backup(2);
        test::ScriptedPlugIn plugIn({{m_first, backup}});
        plugIn.SetStopFlag(&stopFlag);
        const int seen = m_journal->EntryCount();
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        QVERIFY(plugIn.GetRecords().querySearches.empty());
        QCOMPARE(m_journal->Entries(seen).last().text, QString("[Apple Maps]: Parsing Apple Maps stopped."));
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        QCOMPARE(backup->parseCalls, 2);
    }

    void parseFailuresAreJournalledAndRethrown_data()
    {
        QTest::addColumn<ExceptionThrower>("thrower");
        QTest::addColumn<core::JournalSeverity>("severity");
        QTest::addColumn<QString>("journalText");
        const cmn::SourceLocation here{"test", 1};
        QTest::newRow("empty database, plug-in failure")
            << ExceptionThrower([here] { throw cmn::PlugInCommonException(here, "The database is empty", "empty"); })
            << core::JournalSeverity::Warning << "[Apple Maps]: The database is empty";
        QTest::newRow("other plug-in failure")
            << ExceptionThrower([here] { throw cmn::PlugInCommonException(here, "Can't open file", "no file"); })
            << core::JournalSeverity::Error << "[Apple Maps]: Can't open file";
        QTest::newRow("empty database, SQL failure")
            << ExceptionThrower([here] { throw cmn::db::SqlException(here, 31, "the database is empty"); })
            << core::JournalSeverity::Warning << "[Apple Maps]: the database is empty";
        QTest::newRow("other SQL failure")
            << ExceptionThrower([here] { throw cmn::db::SqlException(here, 31, "Can't select from DB: locked"); })
            << core::JournalSeverity::Error << "[Apple Maps]: Can't select from DB: locked";
        QTest::newRow("file-system failure")
            << ExceptionThrower([here] { throw ulq::cmn::FileSystemException(here, "File does not exist:", L"/x"); })
            << core::JournalSeverity::Warning << "[Apple Maps]: File does not exist:";
        QTest::newRow("common failure")
            << ExceptionThrower([here] { throw ulq::cmn::CommonException(here, "broken", "detail"); })
            << core::JournalSeverity::Error << "[Apple Maps]: broken";
        QTest::newRow("any other failure of ours")
            << ExceptionThrower([here] { throw cmn::BaseException(here, 0, "user", "log"); })
            << core::JournalSeverity::Error << "[Apple Maps]: user";
        QTest::newRow("standard failure")
            << ExceptionThrower([] { throw std::runtime_error("bad row"); }) << core::JournalSeverity::Error
            << "[Apple Maps]: Error occurred while parsing Apple Maps.";
    }

    void parseFailuresAreJournalledAndRethrown()
    {
        QFETCH(ExceptionThrower, thrower);
        QFETCH(core::JournalSeverity, severity);
        QFETCH(QString, journalText);

        auto backup = Backup(2);
        backup->parseFailure = thrower;
        test::ScriptedPlugIn plugIn({{m_first, backup}});
        plugIn.SetDataPath(m_first);
        const int seen = m_journal->EntryCount();
        QVERIFY_EXCEPTION_THROWN(plugIn.Parse(), std::exception);

        const QVector<core::JournalEntry> entries = m_journal->Entries(seen);
        QVERIFY(!entries.isEmpty());
        QCOMPARE(entries.last().severity, severity);
        QCOMPARE(entries.last().text, journalText);
    }

    void sizeOfAnotherBackupLeavesTheCurrentOne()
    {
        auto first = Backup(2);
        auto second = Backup(5);
        test::ScriptedPlugIn plugIn({{m_first, first}, {m_second, second}});
        plugIn.SetDataPath(m_first);
        plugIn.Parse();

        QCOMPARE(plugIn.GetDataSize(m_second), 5u);
        QVERIFY(plugIn.GetCategoryPlugIn());
        QCOMPARE(plugIn.GetCategoryPlugIn()->GetCategoryDataSize(), 2u);
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        QCOMPARE(first->parseCalls, 1);
        QCOMPARE(second->parseCalls, 0);
    }

    void sizeFailures_data()
    {
        QTest::addColumn<ExceptionThrower>("thrower");
        QTest::addColumn<bool>("reachesCaller");
        const cmn::SourceLocation here{"test", 1};
        QTest::newRow("critical file-system failure")
            << ExceptionThrower([here] { throw ulq::cmn::FileSystemCriticalException(here, "full", L"/tmp"); }) << true;
        QTest::newRow("file-system failure without a path")
            << ExceptionThrower([here] { throw ulq::cmn::FileSystemException(here, "gone", L""); }) << true;
        QTest::newRow("file-system failure with a path")
            << ExceptionThrower([here] { throw ulq::cmn::FileSystemException(here, "gone", L"/x/AppleMaps.db"); })
            << false;
        QTest::newRow("category too new")
            << ExceptionThrower([here] { throw cmn::PlugInVersionException(here, 0, "too new", ""); }) << true;
        QTest::newRow("SQL failure") << ExceptionThrower([here] { throw cmn::db::SqlException(here, 31, "x"); })
                                     << false;
    }

    void sizeFailures()
    {
        QFETCH(ExceptionThrower, thrower);
        QFETCH(bool, reachesCaller);
        auto backup = Backup(2);
        backup->sizeFailure = thrower;
        test::ScriptedPlugIn plugIn({{m_first, backup}});
        plugIn.SetDataPath(m_first);
        core::ICategoryPlugIn* category = plugIn.GetCategoryPlugIn();
        QVERIFY(category);
        if (reachesCaller) {
            QVERIFY_EXCEPTION_THROWN(category->GetCategoryDataSize(), cmn::BaseException);
        } else {
            QCOMPARE(category->GetCategoryDataSize(), core::CategoryPlugInBase::kUnknownSize);
        }
    }

    void detachWaitsForTheGuiThread()
    {
        test::ScriptedPlugIn plugIn({{m_first, Backup(2)}});
        plugIn.SetDataPath(m_first);
        plugIn.Parse();
        plugIn.CreateView();
        std::unique_ptr<core::CategoryViewBase> view(plugIn.GetCategoryPlugIn()->TakeView());
        view->show();
        // The page's controls go before the page itself does.
        const QWidget* exportButton = qobject_cast<pluginGui::IExportButtonWidget*>(view.get())->GetExportButton();

        std::atomic<bool> done{false};
        bool hiddenWhenReturned = false;
        std::thread worker([&] {
            plugIn.DetachView();
            hiddenWhenReturned = exportButton->isHidden();
            done = true;
        });
        QTRY_VERIFY(done.load());
        worker.join();
        QVERIFY(hiddenWhenReturned);
        QVERIFY(!plugIn.GetExportParentWidget());
    }
};

MAPS_TEST_CLASS(PlugInLifeCycleTest);

#include "tst_PlugInLifeCycle.moc"
