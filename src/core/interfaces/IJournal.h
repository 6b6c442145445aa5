#pragma once

#include "JournalEntry.h"

#include <QString>
#include <QVector>

#include <functional>

namespace core {

// The viewer's user-visible journal. Category plug-ins report from their worker threads, so every
// operation may be called from any thread. The slot order is part of the binary contract with
// category plug-ins built elsewhere: append new operations at the end only.
class IJournal {
public:
    using EntryAddedCallback = std::function<void(const JournalEntry&)>;

    virtual ~IJournal() = default;

    // False when the journal cannot take entries; callers then treat it as absent.
    virtual bool IsValid() const = 0;

    virtual void AddError(const QString& text) = 0;
    virtual void AddWarning(const QString& text) = 0;
    virtual void AddInfo(const QString& text) = 0;

    virtual int EntryCount() const = 0;
    // The entries from index `first` on, oldest first; a poller passes the count it has seen.
    virtual QVector<JournalEntry> Entries(int first = 0) const = 0;
    // Called after each new entry on the thread that added it, never under the journal's lock;
    // an empty callback removes the previous one.
    virtual void SetEntryAddedCallback(EntryAddedCallback callback) = 0;
};

} // namespace core
