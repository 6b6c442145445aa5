#include "PathValidity.h"

#include "LongPath.h"

namespace ulq::cmn::utils {
const std::string& InvalidFileNameChars()
{
    static const std::string characters = "?:*\"<>|";
    return characters;
}

const std::wstring& InvalidFileNameCharsW()
{
    static const std::wstring characters = L"?:*\"<>|";
    return characters;
}

bool IsValidPath(const std::wstring& path)
{
    std::size_t start = 0;
    if (path.compare(0, LocalLongPathPrefix().size(), LocalLongPathPrefix()) == 0)
        start = LocalLongPathPrefix().size();
    else if (path.compare(0, 2, L"//") == 0)
        start = 2;
    if (HasDriveDesignatorAt(path, start))
        start += 2;
    return path.find_first_of(InvalidFileNameCharsW(), start) == std::wstring::npos;
}

} // namespace ulq::cmn::utils
