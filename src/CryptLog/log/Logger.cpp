#include "Logger.h"

#include "Severity.h"

#include <spdlog/logger.h>

namespace CryptLog {

Logger& Logger::Instance()
{
    static Logger logger;
    return logger;
}

bool Logger::Create(int maxSeverity, spdlog::sink_ptr appender)
{
    std::lock_guard<std::mutex> lock(m_createMutex);
    if (IsCreated())
        return false;
    m_logger = std::make_shared<spdlog::logger>("ULQ", std::move(appender));
    // Gating happens before a record is built; spdlog passes everything it is given.
    m_logger->set_level(spdlog::level::trace);
    m_logger->flush_on(spdlog::level::trace);
    SetMaxSeverity(maxSeverity);
    m_created.store(true, std::memory_order_release);
    return true;
}

void Logger::Write(int severity, const char* function, int line, std::string_view message)
{
    if (!Accepts(severity))
        return;
    m_logger->log(spdlog::source_loc{"", line, function}, ToSpdlogLevel(severity),
                  spdlog::string_view_t(message.data(), message.size()));
}

spdlog::level::level_enum ToSpdlogLevel(int severity)
{
    switch (severity) {
    case Fatal: return spdlog::level::critical;
    case Error: return spdlog::level::err;
    case Warning: return spdlog::level::warn;
    case Info: return spdlog::level::info;
    case Debug: return spdlog::level::debug;
    case Verbose: return spdlog::level::trace;
    default: return spdlog::level::off;
    }
}

int FromSpdlogLevel(spdlog::level::level_enum level)
{
    switch (level) {
    case spdlog::level::critical: return Fatal;
    case spdlog::level::err: return Error;
    case spdlog::level::warn: return Warning;
    case spdlog::level::info: return Info;
    case spdlog::level::debug: return Debug;
    case spdlog::level::trace: return Verbose;
    default: return None;
    }
}

} // namespace CryptLog
