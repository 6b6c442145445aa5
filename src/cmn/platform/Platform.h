#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The few calls that differ between Windows and the POSIX systems the code is tested on.
namespace cmn::platform {

// The operating system's text for an error number, UTF-8; none when the system has no text.
std::optional<std::string> SystemErrorMessage(std::uint32_t systemError);

} // namespace cmn::platform
