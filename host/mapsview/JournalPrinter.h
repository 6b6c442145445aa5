#pragma once

namespace core {
class IJournal;
}

namespace host {

// Headless commands show the journal on standard error as entries arrive.
void PrintJournalToStandardError(core::IJournal* journal);

} // namespace host
