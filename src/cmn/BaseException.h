#pragma once

#include "SourceLocation.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace cmn {

// Root of every failure the program reports. `what()` is the user text; a missing log text
// is taken from the user text so that the log never gets an empty line.
class BaseException : public std::runtime_error {
public:
    BaseException(const SourceLocation& location, std::uint32_t errorCode, const std::string& userText,
                  const std::string& logText);

    std::uint32_t GetErrorCode() const { return m_errorCode; }
    std::string GetLogText() const { return m_logText; }
    std::string GetUserText() const { return m_userText; }
    const SourceLocation& GetLocation() const { return m_location; }

private:
    std::uint32_t m_errorCode;
    std::string m_logText;
    std::string m_userText;
    SourceLocation m_location;
};

} // namespace cmn
