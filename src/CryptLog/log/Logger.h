#pragma once

#include <spdlog/common.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string_view>

namespace spdlog {
class logger;
}

namespace CryptLog {

// The process logger. It exists once created, and passes a statement when its severity is
// at most the maximum severity; the macros of Log.h ask before they build any text.
class Logger final {
public:
    static Logger& Instance();

    // The first call creates the logger with its only appender; later calls return false and
    // change nothing.
    bool Create(int maxSeverity, spdlog::sink_ptr appender);
    bool IsCreated() const { return m_created.load(std::memory_order_acquire); }

    int MaxSeverity() const { return m_maxSeverity.load(std::memory_order_relaxed); }
    void SetMaxSeverity(int severity) { m_maxSeverity.store(severity, std::memory_order_relaxed); }

    bool Accepts(int severity) const
    {
        return IsCreated() && severity > 0 && severity <= MaxSeverity();
    }

    void Write(int severity, const char* function, int line, std::string_view message);

private:
    Logger() = default;

    std::mutex m_createMutex;
    std::shared_ptr<spdlog::logger> m_logger;
    std::atomic<bool> m_created{false};
    std::atomic<int> m_maxSeverity{0};
};

// Severity as carried through spdlog, and back.
spdlog::level::level_enum ToSpdlogLevel(int severity);
int FromSpdlogLevel(spdlog::level::level_enum level);

} // namespace CryptLog
