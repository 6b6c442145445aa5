#include "ProxyAppender.h"

#include <utility>

namespace CryptLog {

const std::shared_ptr<ProxyAppender>& ProxyAppender::Instance()
{
    static const std::shared_ptr<ProxyAppender> proxy = std::make_shared<ProxyAppender>();
    return proxy;
}

void ProxyAppender::SetTarget(spdlog::sink_ptr target)
{
    spdlog::sink_ptr previous;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        previous = std::exchange(m_target, std::move(target));
    }
    // The previous target goes outside the lock: its destructor may flush a file.
}

void ProxyAppender::log(const spdlog::details::log_msg& msg)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_target && m_target->should_log(msg.level))
        m_target->log(msg);
}

void ProxyAppender::flush()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_target)
        m_target->flush();
}

void ProxyAppender::set_pattern(const std::string& pattern)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_target)
        m_target->set_pattern(pattern);
}

void ProxyAppender::set_formatter(std::unique_ptr<spdlog::formatter> formatter)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_target)
        m_target->set_formatter(std::move(formatter));
}

} // namespace CryptLog
