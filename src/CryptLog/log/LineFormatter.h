#pragma once

#include <spdlog/formatter.h>

namespace CryptLog {

// One text line per record:
// "2026-12-05 19:05:29.123 INFO  [4242] [ns::Class::Func@42] message\n" (local time).
class LineFormatter final : public spdlog::formatter {
public:
    void format(const spdlog::details::log_msg& msg, spdlog::memory_buf_t& dest) override;
    std::unique_ptr<spdlog::formatter> clone() const override;
};

} // namespace CryptLog
