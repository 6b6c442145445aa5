#include "BinaryPlist.h"

#include "BinaryPlistConverter.h"
#include "BinaryPlistTrailer.h"

#include "cmn/ErrorCode.h"

#include "CryptLog/log/Log.h"

#include <tinyxml.h>

#include <memory>
#include <optional>
#include <string>

namespace ulq::cmn {
namespace {

// Writers may leave a few bytes after the trailer; this many are tolerated.
constexpr std::size_t kMaxTrailingBytes = 14;

std::optional<details::BinaryPlistTrailer> FindTrailer(const std::uint8_t* data, std::size_t length)
{
    for (std::size_t trailing = 0; trailing <= kMaxTrailingBytes && trailing < length; ++trailing) {
        if (auto trailer = details::ReadBinaryPlistTrailer(data, length - trailing))
            return trailer;
    }
    return std::nullopt;
}

} // namespace

bool IsBinaryPlist(std::istream& stream)
{
    const std::string& signature = details::BinaryPlistSignature();
    std::string head(signature.size(), '\0');
    stream.read(head.data(), static_cast<std::streamsize>(head.size()));
    const bool isBinary = stream.gcount() == static_cast<std::streamsize>(head.size()) && head == signature;
    stream.clear();
    stream.seekg(0);
    return isBinary;
}

int LoadBinaryPlist(TiXmlDocument* document, const void* data, std::size_t length)
{
    if (!document || !data)
        return ::cmn::InvalidParameter;
    document->Clear();

    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const std::optional<details::BinaryPlistTrailer> trailer = FindTrailer(bytes, length);
    if (!trailer) {
        LOG_DEBUG << " ! __CFBinaryPlistGetTopLevelInfo() failed!";
        return ::cmn::InvalidFileFormat;
    }

    document->LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
    auto plist = std::make_unique<TiXmlElement>("plist");
    plist->SetAttribute("version", "1.0");
    if (!details::BinaryPlistConverter(bytes, length, *trailer).ConvertTopObject(*plist)) {
        document->Clear();
        return ::cmn::InvalidFileFormat;
    }
    document->LinkEndChild(plist.release());
    return ::cmn::NoError;
}

} // namespace ulq::cmn
