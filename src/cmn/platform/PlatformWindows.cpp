#include "Platform.h"

#include <QString>

#include <windows.h>

namespace cmn::platform {

std::optional<std::string> SystemErrorMessage(std::uint32_t systemError)
{
    wchar_t buffer[2048] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        systemError, 0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    if (length == 0)
        return std::nullopt;
    return QString::fromWCharArray(buffer, static_cast<int>(length)).trimmed().toStdString();
}

} // namespace cmn::platform
