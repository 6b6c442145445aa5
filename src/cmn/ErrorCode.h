#pragma once

#include <cstdint>

namespace cmn {

// An error code packs a message-table code (bits 24-31), a facility (bits 16-23) and a
// detail such as the system error number (bits 0-15).
enum class Facility : std::uint8_t {
    None = 0,
    Sql = 1,
    System = 5,
};

constexpr std::uint32_t MakeErrorCode(std::uint32_t code, Facility facility = Facility::None,
                                      std::uint32_t detail = 0)
{
    return ((code & 0xFFu) << 24) | ((static_cast<std::uint32_t>(facility) & 0xFFu) << 16) | (detail & 0xFFFFu);
}

constexpr std::uint32_t CodeOf(std::uint32_t errorCode) { return errorCode >> 24; }
constexpr std::uint32_t FacilityOf(std::uint32_t errorCode) { return (errorCode >> 16) & 0xFFu; }
constexpr std::uint32_t DetailOf(std::uint32_t errorCode) { return errorCode & 0xFFFFu; }

// Message-table codes the plug-in raises itself.
enum ErrorCodes : std::uint32_t {
    NoError = 0,
    InvalidParameter = 2,
    InvalidFileFormat = 3,
    FileAlreadyExists = 55,
    NoFreeSpace = 57,
    SqlDatabaseError = 101,
};

} // namespace cmn
