#pragma once

#include "core/interfaces/IJournal.h"

#include <QMutex>

namespace host {

// Keeps every entry for the life of the process; category plug-ins add from their worker
// threads while the host reads.
class Journal final : public core::IJournal {
public:
    bool IsValid() const override { return true; }

    void AddError(const QString& text) override;
    void AddWarning(const QString& text) override;
    void AddInfo(const QString& text) override;

    int EntryCount() const override;
    QVector<core::JournalEntry> Entries(int first) const override;
    void SetEntryAddedCallback(EntryAddedCallback callback) override;

private:
    void Add(core::JournalSeverity severity, const QString& text);

    mutable QMutex m_mutex;
    QVector<core::JournalEntry> m_entries;
    EntryAddedCallback m_entryAdded;
};

} // namespace host
