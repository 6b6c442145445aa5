#include "BaseException.h"

namespace cmn {

BaseException::BaseException(const SourceLocation& location, std::uint32_t errorCode,
                             const std::string& userText, const std::string& logText)
    : std::runtime_error(userText)
    , m_errorCode(errorCode)
    , m_logText(logText)
    , m_userText(userText)
    , m_location(location)
{
    if (m_logText.empty()) {
        const char* text = what();
        m_userText = m_logText = text ? text : "Unknown exception";
    }
}

} // namespace cmn
