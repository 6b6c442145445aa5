#include "EncryptedFileSink.h"

#include "CryptLog/log/LineFormatter.h"

namespace CryptLog {

EncryptedFileSink::EncryptedFileSink(boost::filesystem::path path, std::shared_ptr<const LogKeyManager> keyManager)
    : spdlog::sinks::base_sink<std::mutex>(std::make_unique<LineFormatter>())
    , m_path(std::move(path))
    , m_converter(std::move(keyManager))
{
}

void EncryptedFileSink::sink_it_(const spdlog::details::log_msg& msg)
{
    if (!EnsureOpen())
        return;
    spdlog::memory_buf_t line;
    formatter_->format(msg, line);
    const std::vector<std::uint8_t> record = m_converter.Convert(std::string_view(line.data(), line.size()));
    m_file.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
    // A failed write (full disk) must not silence every later record.
    m_file.clear();
}

void EncryptedFileSink::flush_()
{
    m_file.flush();
    m_file.clear();
}

bool EncryptedFileSink::EnsureOpen()
{
    if (m_file.is_open())
        return true;
    // Unbuffered: every record reaches the file with one write call, complete.
    m_file.rdbuf()->pubsetbuf(nullptr, 0);
    m_file.open(m_path, std::ios::binary | std::ios::app);
    return m_file.is_open();
}

} // namespace CryptLog
