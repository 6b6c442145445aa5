#include "LongPath.h"

#include "cmn/platform/Platform.h"

namespace ulq::cmn::utils {
namespace {

bool StartsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsDriveAbsolute(const std::wstring& path)
{
    return HasDriveDesignatorAt(path) && path.size() > 2 && (path[2] == L'\\' || path[2] == L'/');
}

} // namespace

bool HasDriveDesignatorAt(const std::wstring& path, std::size_t at)
{
    if (path.size() < at + 2 || path[at + 1] != L':')
        return false;
    const wchar_t letter = path[at];
    return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}

const std::wstring& LocalLongPathPrefix()
{
    static const std::wstring prefix = L"\\\\?\\";
    return prefix;
}

const std::wstring& NetworkLongPathPrefix()
{
    static const std::wstring prefix = L"\\\\?\\UNC\\";
    return prefix;
}

std::wstring MakeLongPathForm(const std::wstring& path, bool isNetwork)
{
    static const std::wstring uncStart = L"\\\\";
    static const std::wstring deviceStart = L"\\\\.\\";
    if (StartsWith(path, LocalLongPathPrefix()) || StartsWith(path, deviceStart))
        return path;
    if (isNetwork && StartsWith(path, uncStart))
        return NetworkLongPathPrefix() + path.substr(uncStart.size());
    if (IsDriveAbsolute(path))
        return LocalLongPathPrefix() + path;
    return path;
}

boost::filesystem::path ApplyLongPathForm(const boost::filesystem::path& path)
{
    if (!::cmn::platform::UsesLongPathPrefixes())
        return path;
    // The prefixed form is taken literally, so it must use the system's separators.
    boost::filesystem::path preferred = path;
    preferred.make_preferred();
    const std::wstring text = preferred.wstring();
    return MakeLongPathForm(text, ::cmn::platform::IsNetworkPath(text));
}

} // namespace ulq::cmn::utils
