#include "RecordingSink.h"

#include "CryptLog/log/LineFormatter.h"
#include "CryptLog/log/Logger.h"
#include "CryptLog/log/Severity.h"

namespace test {

RecordingSink::RecordingSink()
    : spdlog::sinks::base_sink<std::mutex>(std::make_unique<CryptLog::LineFormatter>())
{
}

RecordingSink& RecordingSink::ForProcessLogger()
{
    static const std::shared_ptr<RecordingSink> sink = [] {
        auto created = std::make_shared<RecordingSink>();
        CryptLog::Logger::Instance().Create(CryptLog::Verbose, created);
        return created;
    }();
    return *sink;
}

std::vector<LogLine> RecordingSink::Lines() const
{
    std::lock_guard<std::mutex> lock(m_linesMutex);
    return m_lines;
}

void RecordingSink::Clear()
{
    std::lock_guard<std::mutex> lock(m_linesMutex);
    m_lines.clear();
}

void RecordingSink::sink_it_(const spdlog::details::log_msg& msg)
{
    spdlog::memory_buf_t formatted;
    formatter_->format(msg, formatted);
    LogLine line;
    line.severity = CryptLog::FromSpdlogLevel(msg.level);
    line.function = msg.source.funcname ? msg.source.funcname : "";
    line.line = msg.source.line;
    line.message.assign(msg.payload.data(), msg.payload.size());
    line.text.assign(formatted.data(), formatted.size());
    if (!line.text.empty() && line.text.back() == '\n')
        line.text.pop_back();
    std::lock_guard<std::mutex> lock(m_linesMutex);
    m_lines.push_back(std::move(line));
}

RecordingSink* ProcessRecordingSink()
{
    return &RecordingSink::ForProcessLogger();
}

} // namespace test
