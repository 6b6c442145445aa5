#pragma once

#include "core/interfaces/JournalEntry.h"

#include <QString>
#include <QVector>

#include <cstddef>

namespace test {

// What the plug-in made of a backup when driven as the host drives it: temporary folder, data
// path, parse.
struct HostedParse {
    // The plug-in passed an exception on to the host.
    bool failed = false;
    // Records of all four kinds.
    std::size_t records = 0;
    // The journal entries of this parse, oldest first.
    QVector<core::JournalEntry> journal;
    qint64 milliseconds = 0;

    // "error: ", "warning: " or "info: " and the text of the newest entry; empty without one.
    QString LastEntry() const;
};

// Requires the host's journal beside the test executable.
HostedParse ParseAsHost(const QString& descriptorPath, const QString& tempFolder);

} // namespace test
