// A fresh process for the logger set-up, which happens once per process. It initialises the
// logger as a plug-in would, then logs test::logscript from two threads at once.
//
// Arguments: "file" (own encrypted log) or "host" (a recording host appender), optionally
// "again" (change the settings and initialise a second time with another host appender).
// Prints "maxSeverity=N", "evaluated=N" (streamed operands that were computed),
// "secondHostLines=N" and, in host mode, every recorded line as "line=<text>".

#include "LogScript.h"
#include "support/RecordingSink.h"

#include "CryptLog/InitLogger.h"
#include "CryptLog/log/Log.h"
#include "cmn/AppFolders.h"
#include "core/interfaces/PlugInVersion.h"

#include <QSettings>
#include <QString>

#include <atomic>
#include <iostream>
#include <string>
#include <thread>

// Named, not anonymous, so that the log lines carry a plain qualified function name.
namespace test::logscript {

static std::atomic<int> evaluated{0};
static std::atomic<bool> started{false};

static const std::string& Counted(const std::string& text)
{
    ++evaluated;
    return text;
}

static void LogStatements(int thread)
{
    const std::vector<Statement> statements = StatementsOfThread(thread);
    while (!started.load())
        std::this_thread::yield();
    for (const Statement& statement : statements)
        LOG_AT(statement.severity) << Counted(statement.message);
}

static void ChangeLogLevel(const char* level)
{
    QSettings settings(QString::fromStdWString(ulq::cmn::utils::GetSettingsFilePath().wstring()), QSettings::IniFormat);
    settings.setValue(QStringLiteral("LogLevel/Level"), QString::fromLatin1(level));
}

} // namespace test::logscript

int main(int argc, char* argv[])
{
    using namespace test::logscript;
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool again = argc > 2 && std::string(argv[2]) == "again";
    if (mode != "file" && mode != "host")
        return 2;

    const auto hostSink = std::make_shared<test::RecordingSink>();
    CryptLog::InitLogger(core::PlugInVersion{4, 51, 33506, 0}, "Apple Maps",
                         mode == "host" ? hostSink : nullptr);
    const auto secondHostSink = std::make_shared<test::RecordingSink>();
    if (again) {
        ChangeLogLevel("6");
        CryptLog::InitLogger(core::PlugInVersion{9, 9, 9, 9}, "Other category", secondHostSink);
    }

    std::vector<std::thread> threads;
    for (int thread = 0; thread < ThreadCount; ++thread)
        threads.emplace_back(LogStatements, thread);
    started.store(true);
    for (std::thread& thread : threads)
        thread.join();

    std::cout << "maxSeverity=" << CryptLog::Logger::Instance().MaxSeverity() << '\n'
              << "evaluated=" << evaluated.load() << '\n'
              << "secondHostLines=" << secondHostSink->Lines().size() << '\n';
    for (const test::LogLine& line : hostSink->Lines())
        std::cout << "line=" << line.text << '\n';
    return 0;
}
