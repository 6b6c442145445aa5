#include "Journal.h"

#include <QMutexLocker>

#include <algorithm>

namespace host {

void Journal::AddError(const QString& text)
{
    Add(core::JournalSeverity::Error, text);
}

void Journal::AddWarning(const QString& text)
{
    Add(core::JournalSeverity::Warning, text);
}

void Journal::AddInfo(const QString& text)
{
    Add(core::JournalSeverity::Info, text);
}

int Journal::EntryCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_entries.size();
}

QVector<core::JournalEntry> Journal::Entries(int first) const
{
    QMutexLocker lock(&m_mutex);
    const int from = std::clamp(first, 0, m_entries.size());
    return m_entries.mid(from);
}

void Journal::SetEntryAddedCallback(EntryAddedCallback callback)
{
    QMutexLocker lock(&m_mutex);
    m_entryAdded = std::move(callback);
}

void Journal::Add(core::JournalSeverity severity, const QString& text)
{
    const core::JournalEntry entry{severity, text, QDateTime::currentDateTimeUtc()};
    EntryAddedCallback entryAdded;
    {
        QMutexLocker lock(&m_mutex);
        m_entries.append(entry);
        entryAdded = m_entryAdded;
    }
    // Outside the lock, so that the callback may read the journal.
    if (entryAdded)
        entryAdded(entry);
}

} // namespace host
