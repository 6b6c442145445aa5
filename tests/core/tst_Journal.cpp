#include "support/TestRegistry.h"

#include "core/JournalPlugInLoader.h"
#include "core/interfaces/IJournal.h"

#include <QDateTime>
#include <QMutex>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

// The host's journal as category plug-ins reach it: through the loader, from worker threads.
class JournalTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_journal = core::GetJournalPlugIn();
        QVERIFY(m_journal != nullptr);
    }

    void cleanup() { m_journal->SetEntryAddedCallback({}); }

    void pollerSeesOnlyNewEntriesWithTheirSeverityAndTime()
    {
        const int seen = m_journal->EntryCount();
        const QDateTime start = QDateTime::currentDateTimeUtc();
        m_journal->AddError("first");
        m_journal->AddWarning("second");
        m_journal->AddInfo("third");
        const QDateTime end = QDateTime::currentDateTimeUtc();

        const QVector<core::JournalEntry> added = m_journal->Entries(seen);
        QCOMPARE(TextsOf(added), QString("first|second|third|"));
        QCOMPARE(added[0].severity, core::JournalSeverity::Error);
        QCOMPARE(added[1].severity, core::JournalSeverity::Warning);
        QCOMPARE(added[2].severity, core::JournalSeverity::Info);
        for (const core::JournalEntry& entry : added) {
            QCOMPARE(entry.time.timeSpec(), Qt::UTC);
            QVERIFY(entry.time >= start && entry.time <= end);
        }
        QVERIFY(m_journal->Entries(m_journal->EntryCount()).isEmpty());
        QVERIFY(m_journal->Entries(m_journal->EntryCount() + 5).isEmpty());
        QCOMPARE(m_journal->Entries(-1).size(), m_journal->EntryCount());
    }

    void callbackRunsOnTheReportingThreadAndMayReadTheJournal()
    {
        QMutex mutex;
        QStringList texts;
        std::vector<QThread*> callingThreads;
        std::vector<int> countsSeen;
        m_journal->SetEntryAddedCallback([&](const core::JournalEntry& entry) {
            const int count = m_journal->EntryCount();  // must not deadlock
            QMutexLocker lock(&mutex);
            texts << entry.text;
            callingThreads.push_back(QThread::currentThread());
            countsSeen.push_back(count);
        });
        const int seen = m_journal->EntryCount();

        std::unique_ptr<QThread> worker(QThread::create([this] { m_journal->AddError("from worker"); }));
        worker->start();
        QVERIFY(worker->wait(30000));
        m_journal->SetEntryAddedCallback({});
        m_journal->AddInfo("after removal");

        QCOMPARE(texts, QStringList{"from worker"});
        QCOMPARE(callingThreads, std::vector<QThread*>{worker.get()});
        QCOMPARE(countsSeen, std::vector<int>{seen + 1});
    }

private:
    static QString TextsOf(const QVector<core::JournalEntry>& entries)
    {
        QString texts;
        for (const core::JournalEntry& entry : entries)
            texts += entry.text + '|';
        return texts;
    }

    core::IJournal* m_journal = nullptr;
};

MAPS_TEST_CLASS(JournalTest);

#include "tst_Journal.moc"
