#include "SystemErrorException.h"

#include "ErrorCode.h"
#include "platform/Platform.h"

#include <sstream>

namespace cmn {
namespace {

std::string Hex(std::uint32_t value)
{
    std::ostringstream text;
    text << std::hex << value;
    return text.str();
}

std::string SystemErrorLogText(const std::string& userText, std::uint32_t systemError)
{
    const std::optional<std::string> message = platform::SystemErrorMessage(systemError);
    return "User message: " + userText + ". System error code: 0x" + Hex(systemError)
        + ". System error message: "
        + (message ? *message : "Failed to get message from error code " + Hex(systemError));
}

} // namespace

std::uint32_t SystemErrorTableCode(std::uint32_t code, std::uint32_t systemError)
{
    switch (systemError) {
    case 80: return FileAlreadyExists;
    case 87: return InvalidParameter;
    case 112: return NoFreeSpace;
    default: return code;
    }
}

SystemErrorException::SystemErrorException(const SourceLocation& location, std::uint32_t code,
                                           const std::string& userText, std::uint32_t systemError)
    : BaseException(location, MakeErrorCode(SystemErrorTableCode(code, systemError), Facility::System, systemError),
                    userText, SystemErrorLogText(userText, systemError))
    , m_systemError(systemError)
{
}

} // namespace cmn
