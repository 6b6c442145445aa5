#include "Platform.h"

#include <QString>

#include <iterator>
#include <vector>

#include <io.h>
#include <windows.h>

#include <cerrno>

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

bool CanOpenWithAccess(const boost::filesystem::path& path, unsigned accessFlags)
{
    DWORD access = 0;
    if (accessFlags & 1u)
        access |= GENERIC_READ;
    if (accessFlags & 2u)
        access |= GENERIC_WRITE;
    if (accessFlags & 4u)
        access |= GENERIC_EXECUTE;
    // Backup semantics let folders be opened as well.
    const HANDLE handle = CreateFileW(path.c_str(), access, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

bool IsNetworkPath(const std::wstring& path)
{
    if (path.compare(0, 2, L"\\\\") == 0)
        return path.compare(0, 4, L"\\\\?\\") != 0 || path.compare(0, 8, L"\\\\?\\UNC\\") == 0;
    if (path.size() < 2 || path[1] != L':')
        return false;
    const wchar_t root[] = {path[0], L':', L'\\', L'\0'};
    return GetDriveTypeW(root) == DRIVE_REMOTE;
}

bool UsesLongPathPrefixes()
{
    return true;
}

boost::filesystem::path ExecutablePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return boost::filesystem::path(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::FILE* OpenFile(const boost::filesystem::path& path, const wchar_t* mode)
{
    return _wfopen(path.c_str(), mode);
}

bool SyncToDisk(int fileDescriptor)
{
    return _commit(fileDescriptor) == 0 || errno == EBADF;
}

} // namespace cmn::platform
