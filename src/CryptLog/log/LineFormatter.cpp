#include "LineFormatter.h"

#include "Logger.h"
#include "Severity.h"

#include <spdlog/details/log_msg.h>
#include <spdlog/details/os.h>
#include <spdlog/fmt/fmt.h>

#include <chrono>

namespace CryptLog {

void LineFormatter::format(const spdlog::details::log_msg& msg, spdlog::memory_buf_t& dest)
{
    const std::tm time = spdlog::details::os::localtime(std::chrono::system_clock::to_time_t(msg.time));
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(msg.time.time_since_epoch()).count() % 1000;
    fmt::format_to(std::back_inserter(dest), "{:04}-{:02}-{:02} {:02}:{:02}:{:02}.{:03} {:<5} [{}] [{}@{}] ",
                   time.tm_year + 1900, time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min,
                   time.tm_sec, static_cast<int>(millis), SeverityName(FromSpdlogLevel(msg.level)),
                   msg.thread_id, msg.source.funcname ? msg.source.funcname : "", msg.source.line);
    dest.append(msg.payload.data(), msg.payload.data() + msg.payload.size());
    dest.push_back('\n');
}

std::unique_ptr<spdlog::formatter> LineFormatter::clone() const
{
    return std::make_unique<LineFormatter>();
}

} // namespace CryptLog
