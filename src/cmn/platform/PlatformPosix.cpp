#include "Platform.h"

#include <boost/filesystem/operations.hpp>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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

bool CanOpenWithAccess(const boost::filesystem::path& path, unsigned accessFlags)
{
    const bool read = (accessFlags & 1u) != 0;
    const bool write = (accessFlags & 2u) != 0;
    const bool execute = (accessFlags & 4u) != 0;
    if (execute && faccessat(AT_FDCWD, path.c_str(), X_OK, AT_EACCESS) != 0)
        return false;
    if (!read && !write)
        return execute;

    // Non-blocking so that a FIFO cannot hang the check; nothing is read or written.
    const int mode = read && write ? O_RDWR : (write ? O_WRONLY : O_RDONLY);
    const int descriptor = open(path.c_str(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return true;
}

bool IsNetworkPath(const std::wstring& path)
{
    return path.compare(0, 2, L"\\\\") == 0;
}

bool UsesLongPathPrefixes()
{
    return false;
}

boost::filesystem::path ExecutablePath()
{
    boost::system::error_code error;
    boost::filesystem::path executable = boost::filesystem::read_symlink("/proc/self/exe", error);
    return error ? boost::filesystem::path() : executable;
}

std::FILE* OpenFile(const boost::filesystem::path& path, const wchar_t* mode)
{
    // Modes are plain ASCII letters.
    std::string narrowMode;
    for (const wchar_t* letter = mode; letter && *letter; ++letter)
        narrowMode.push_back(static_cast<char>(*letter));
    return std::fopen(path.c_str(), narrowMode.c_str());
}

bool SyncToDisk(int fileDescriptor)
{
    return ::fsync(fileDescriptor) == 0 || errno == EINVAL;
}

} // namespace cmn::platform
