#include "CryptLog/log/Logger.h"
#include "CryptLog/log/Severity.h"
#include "core/JournalPlugInLoader.h"

#include <QCoreApplication>

#include <spdlog/sinks/stdout_sinks.h>

#include <cstdio>
#include <memory>

// Prints what core::GetJournalPlugIn finds beside this executable: every log line, then
// "journal: usable" or "journal: none". The loader tests copy it into prepared folders.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    auto sink = std::make_shared<spdlog::sinks::stdout_sink_mt>();
    sink->set_pattern("%l %! %v");
    CryptLog::Logger::Instance().Create(CryptLog::Verbose, sink);
    const bool usable = core::GetJournalPlugIn() != nullptr;
    std::printf("journal: %s\n", usable ? "usable" : "none");
    return 0;
}
