#pragma once

#include <spdlog/sinks/sink.h>

#include <memory>
#include <mutex>

namespace CryptLog {

// A sink that forwards every record to a target sink it owns. The logger keeps the proxy for
// the whole process while the target can be put in later or replaced; replacing it drops the
// previous target. Without a target records are dropped.
class ProxyAppender final : public spdlog::sinks::sink {
public:
    // The process-wide proxy that the logger is created with.
    static const std::shared_ptr<ProxyAppender>& Instance();

    void SetTarget(spdlog::sink_ptr target);

    void log(const spdlog::details::log_msg& msg) override;
    void flush() override;
    void set_pattern(const std::string& pattern) override;
    void set_formatter(std::unique_ptr<spdlog::formatter> formatter) override;

private:
    std::mutex m_mutex;
    spdlog::sink_ptr m_target;
};

} // namespace CryptLog
