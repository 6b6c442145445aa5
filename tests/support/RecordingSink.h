#pragma once

#include <spdlog/sinks/base_sink.h>

#include <mutex>
#include <string>
#include <vector>

namespace test {

// One record as a sink received it. `text` is the line the log file would hold, without its
// line break.
struct LogLine {
    int severity = 0;
    std::string function;
    int line = 0;
    std::string message;
    std::string text;
};
using RecordedLine = LogLine;

// A log sink that keeps every record. Usable as the host's appender, as a proxy target, or as
// the process logger's only appender.
class RecordingSink final : public spdlog::sinks::base_sink<std::mutex> {
public:
    RecordingSink();

    // The sink of the process logger, created on first use at verbose severity; valid only in
    // a process whose logger nothing else creates.
    static RecordingSink& ForProcessLogger();

    std::vector<LogLine> Lines() const;
    void Clear();

protected:
    void sink_it_(const spdlog::details::log_msg& msg) override;
    void flush_() override {}

private:
    mutable std::mutex m_linesMutex;
    std::vector<LogLine> m_lines;
};

// The process logger's recording sink (see RecordingSink::ForProcessLogger).
RecordingSink* ProcessRecordingSink();

} // namespace test
