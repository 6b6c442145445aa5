#include "Platform.h"

#include <cstring>

namespace cmn::platform {

std::optional<std::string> SystemErrorMessage(std::uint32_t systemError)
{
    char buffer[2048] = {};
    // GNU strerror_r may return a static text instead of filling the buffer.
    const char* text = strerror_r(static_cast<int>(systemError), buffer, sizeof buffer);
    if (!text || !*text || std::strncmp(text, "Unknown error", 13) == 0)
        return std::nullopt;
    return std::string(text);
}

} // namespace cmn::platform
