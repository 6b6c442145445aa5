#pragma once

#include <spdlog/common.h>

#include <string>

namespace core {
struct PlugInVersion;
}

namespace CryptLog {

// Sets the process log up once; later calls change nothing. The level comes from "LogLevel/Level"
// of "Settings.ini". A missing "ULQ.log" is created with its header either way. With a host
// appender every record goes to it alone; without one records are encrypted into "ULQ.log".
// Ends with the version line.
void InitLogger(const core::PlugInVersion& version, const std::string& productName, spdlog::sink_ptr hostAppender);

} // namespace CryptLog
