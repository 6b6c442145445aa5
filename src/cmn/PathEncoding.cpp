#include "PathEncoding.h"

#include <codecvt>
#include <locale>
#include <type_traits>

namespace ulq::cmn::utils {
namespace {

// A UTF-16 facet where wchar_t holds UTF-16 units; where it holds whole code points (POSIX), the
// UTF-16 facet would split characters beyond the basic plane into surrogates, so UTF-32 is used.
using Utf8WideFacet = std::conditional_t<sizeof(wchar_t) == 2, std::codecvt_utf8_utf16<wchar_t>,
                                         std::codecvt_utf8<wchar_t>>;

// Native path texts are wide on Windows and UTF-8 bytes elsewhere; reading the native form
// needs no conversion facet.
constexpr bool kNativeIsWide = std::is_same_v<boost::filesystem::path::value_type, wchar_t>;

} // namespace

void ImbueUtf8PathConversion()
{
    boost::filesystem::path::imbue(std::locale(std::locale(), new Utf8WideFacet));
}

QString PathToQString(const boost::filesystem::path& path)
{
    if constexpr (kNativeIsWide)
        return QString::fromStdWString(path.wstring());
    else
        return QString::fromStdString(path.string());
}

boost::filesystem::path PathFromQString(const QString& text)
{
    if constexpr (kNativeIsWide)
        return text.toStdWString();
    else
        return text.toStdString();
}

std::string PathToUtf8(const boost::filesystem::path& path)
{
    if constexpr (kNativeIsWide)
        return PathToQString(path).toStdString();
    else
        return path.string();
}

} // namespace ulq::cmn::utils
