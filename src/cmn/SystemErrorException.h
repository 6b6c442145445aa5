#pragma once

#include "BaseException.h"

#include <cstdint>
#include <string>

namespace cmn {

// A failing operating-system call. The system error number lands in the detail field; the
// numbers for "file exists", "invalid parameter" and "disk full" pick their own table codes.
class SystemErrorException : public BaseException {
public:
    SystemErrorException(const SourceLocation& location, std::uint32_t code, const std::string& userText,
                         std::uint32_t systemError);

    std::uint32_t GetSystemError() const { return m_systemError; }
    const std::string& GetSystemMessage() const { return m_systemMessage; }

private:
    std::uint32_t m_systemError;
    std::string m_systemMessage;
};

// Table code for a system error number, or `code` when the number has no code of its own.
std::uint32_t SystemErrorTableCode(std::uint32_t code, std::uint32_t systemError);

} // namespace cmn
