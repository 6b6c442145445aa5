#include "JournalPrinter.h"

#include "core/interfaces/IJournal.h"

#include <cstdio>

namespace host {
namespace {

const char* SeverityLabel(core::JournalSeverity severity)
{
    switch (severity) {
    case core::JournalSeverity::Error: return "error";
    case core::JournalSeverity::Warning: return "warning";
    case core::JournalSeverity::Info: return "info";
    }
    return "info";
}

} // namespace

void PrintJournalToStandardError(core::IJournal* journal)
{
    if (!journal)
        return;
    journal->SetEntryAddedCallback([](const core::JournalEntry& entry) {
        std::fprintf(stderr, "journal %s: %s\n", SeverityLabel(entry.severity), entry.text.toUtf8().constData());
    });
}

} // namespace host
