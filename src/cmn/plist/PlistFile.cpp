#include "PlistFile.h"

#include "BinaryPlist.h"
#include "XmlText.h"

#include "cmn/CommonExceptions.h"
#include "cmn/LongPath.h"
#include "cmn/PathEncoding.h"

#include "CryptLog/log/Log.h"

#include <boost/filesystem/fstream.hpp>

#include <QCoreApplication>

#include <tinyxml.h>

#include <optional>
#include <string>

namespace ulq::cmn {
namespace {

// Why the file could not be loaded; none when `document` holds it.
std::optional<std::string> LoadPlist(const boost::filesystem::path& path, TiXmlDocument& document)
{
    try {
        CheckReadableFile(path);
    } catch (const ::cmn::BaseException& refused) {
        return refused.GetLogText();
    }
    boost::filesystem::ifstream stream(utils::ApplyLongPathForm(path), std::ios::binary);
    if (!stream)
        return std::string("the file cannot be opened");
    const bool isBinary = IsBinaryPlist(stream);
    const std::optional<std::string> bytes = ReadStreamBytes(stream);
    if (!bytes)
        return std::string("the file cannot be read whole");
    if (isBinary) {
        const int result = LoadBinaryPlist(&document, bytes->data(), bytes->size());
        if (result != 0)
            return "the binary property list cannot be converted (result " + std::to_string(result) + ")";
    } else if (!ParseXmlText(*bytes, document)) {
        return std::string("the XML does not parse: ") + (document.Error() ? document.ErrorDesc() : "too deeply nested");
    }
    return std::nullopt;
}

} // namespace

void OpenPlistFile(const boost::filesystem::path& path, TiXmlDocument& document)
{
    const std::optional<std::string> failure = LoadPlist(path, document);
    if (!failure)
        return;
    const std::string pathText = utils::PathToUtf8(path);
    LOG_ERROR << "Can't load " << pathText << ": " << *failure;
    document.Clear();
    throw CommonException(CMN_SOURCE_LOCATION,
                          QCoreApplication::translate("cmn", "Can't open backup.").toStdString() + pathText
                              + QCoreApplication::translate("cmn", " file is corrupted.").toStdString(),
                          "Can't open backup." + pathText + " file is corrupted. Reason: " + *failure);
}

} // namespace ulq::cmn
