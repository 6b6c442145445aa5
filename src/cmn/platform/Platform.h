#pragma once

#include <boost/filesystem/path.hpp>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

// The few calls that differ between Windows and the POSIX systems the code is tested on.
namespace cmn::platform {

// The operating system's text for an error number, UTF-8; none when the system has no text.
std::optional<std::string> SystemErrorMessage(std::uint32_t systemError);

// Opens an existing file with exactly the requested access (bit 0 read, bit 1 write, bit 2
// execute) and, where the system knows sharing modes, without sharing; closes it again.
// POSIX has no execute open: execute access is asked of the system's access check instead.
bool CanOpenWithAccess(const boost::filesystem::path& path, unsigned accessFlags);

// Whether the path lies on a network share. POSIX knows no drive types: only the UNC form
// (two leading backslashes) counts there.
bool IsNetworkPath(const std::wstring& path);

// Whether the system needs extended-length prefixes for long paths.
bool UsesLongPathPrefixes();

// The running executable (the host), empty when the system cannot tell.
boost::filesystem::path ExecutablePath();

// The C runtime's open of a wide path; null on failure.
std::FILE* OpenFile(const boost::filesystem::path& path, const wchar_t* mode);

// Has the system put what was written to the open file on disk; true for a file that cannot be
// synchronised because it is no disk file (a terminal, a pipe).
bool SyncToDisk(int fileDescriptor);

} // namespace cmn::platform
