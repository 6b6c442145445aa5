#pragma once

namespace core {

class IJournal;

// The host's journal, loaded from "Plugins/JournalPlugIn" beside the host executable; null when
// it is missing, is not the journal plug-in, or is not usable. Never throws. The library stays
// loaded for the rest of the process, so the pointer stays valid until exit.
IJournal* GetJournalPlugIn();

} // namespace core
