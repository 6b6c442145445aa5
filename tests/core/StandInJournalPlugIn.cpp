#include "core/interfaces/IJournal.h"
#include "core/interfaces/IJournalPlugInBase.h"

#include <QObject>

namespace {

class UnusableJournal final : public core::IJournal {
public:
    bool IsValid() const override { return false; }
    void AddError(const QString&) override {}
    void AddWarning(const QString&) override {}
    void AddInfo(const QString&) override {}
    int EntryCount() const override { return 0; }
    QVector<core::JournalEntry> Entries(int) const override { return {}; }
    void SetEntryAddedCallback(EntryAddedCallback) override {}
};

} // namespace

// A journal plug-in that offers no usable journal: built once without a journal and once with
// one that reports itself unusable (STAND_IN_OFFERS_JOURNAL).
class StandInJournalPlugIn final : public QObject, public core::IJournalPlugInBase {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ULQ_CORE_IJOURNALPLUGINBASE_IID)
    Q_INTERFACES(core::IJournalPlugInBase)

public:
    QString GetName() const override { return QStringLiteral("Stand-in journal"); }
    core::IJournal* GetJournal() override { return STAND_IN_OFFERS_JOURNAL ? &m_journal : nullptr; }

private:
    UnusableJournal m_journal;
};

#include "StandInJournalPlugIn.moc"
