#pragma once

#include "EncryptingTxtConverter.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/path.hpp>

#include <spdlog/sinks/base_sink.h>

#include <memory>
#include <mutex>

namespace CryptLog {

class LogKeyManager;

// Appends each record to the log file as one encrypted record, written in one piece under the
// sink's lock so that lines from different threads never interleave. The file is opened on
// the first record (appending; the header is written by whoever creates the file) and stays
// open; it never rolls. While it cannot be opened, records are dropped and each new record
// tries again.
class EncryptedFileSink final : public spdlog::sinks::base_sink<std::mutex> {
public:
    EncryptedFileSink(boost::filesystem::path path, std::shared_ptr<const LogKeyManager> keyManager);

protected:
    void sink_it_(const spdlog::details::log_msg& msg) override;
    void flush_() override;

private:
    bool EnsureOpen();

    boost::filesystem::path m_path;
    EncryptingTxtConverter m_converter;
    boost::filesystem::ofstream m_file;
};

} // namespace CryptLog
