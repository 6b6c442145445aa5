#pragma once

#include <QDateTime>
#include <QString>

namespace core {

// Values match the log severities of the same names.
enum class JournalSeverity : int {
    Error = 2,
    Warning = 3,
    Info = 4,
};

struct JournalEntry {
    JournalSeverity severity = JournalSeverity::Info;
    QString text;
    QDateTime time;  // when the entry was added, UTC
};

} // namespace core
