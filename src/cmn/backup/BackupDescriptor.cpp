#include "BackupDescriptor.h"

#include "DescriptorText.h"

#include "cmn/CommonExceptions.h"
#include "cmn/FileChecks.h"
#include "cmn/PathEncoding.h"
#include "cmn/plist/PlistFile.h"
#include "cmn/plist/XmlText.h"

#include <QCoreApplication>
#include <QString>

#include <tinyxml.h>

#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace cmn {
namespace {

constexpr int kMaxRequiredVersion = 6;

bool HasDescriptorName(const boost::filesystem::path& path)
{
    return ulq::cmn::utils::PathToQString(path).endsWith(QStringLiteral("icloud_synced.xml"), Qt::CaseInsensitive);
}

// The whole text as a decimal integer; 0 for anything else.
int StrictInteger(const char* text)
{
    if (!text)
        return 0;
    const char* end = text + std::strlen(text);
    int value = 0;
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end ? value : 0;
}

// The C library's reading: leading digits count, anything else is 0.
int LenientInteger(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

// The first element of that name in document order, found without recursion.
const TiXmlElement* FindFirstElement(const TiXmlNode& root, const char* name)
{
    const TiXmlNode* node = root.FirstChild();
    while (node) {
        const TiXmlElement* element = node->ToElement();
        if (element && element->ValueStr() == name)
            return element;
        if (node->FirstChild()) {
            node = node->FirstChild();
            continue;
        }
        while (node && node != &root && !node->NextSibling())
            node = node->Parent();
        node = node && node != &root ? node->NextSibling() : nullptr;
    }
    return nullptr;
}

} // namespace

int GetBackupVersion(const boost::filesystem::path& descriptorPath)
{
    if (!HasDescriptorName(descriptorPath))
        return 0;
    ulq::cmn::CheckReadableFile(descriptorPath);
    ulq::cmn::utils::TryToOpenFile(descriptorPath);
    const std::optional<std::string> text = ulq::cmn::ReadFileBytes(descriptorPath);
    TiXmlDocument document;
    if (!text || !ulq::cmn::ParseXmlText(*text, document))
        return 0;
    const TiXmlElement* backup = document.FirstChildElement("Backup");
    return backup ? StrictInteger(details::ChildText(*backup, "Version")) : 0;
}

bool IsBackupVersionSupported(int version, int required)
{
    return version >= 1 && required >= 1 && required <= kMaxRequiredVersion && required <= version;
}

TiXmlElement* FindCategory(const boost::filesystem::path& descriptorPath, const std::string& categoryName,
                           TiXmlDocument& document)
{
    ulq::cmn::utils::CheckFileExists(descriptorPath, true);
    ulq::cmn::OpenPlistFile(descriptorPath, document);
    TiXmlElement* backup = document.FirstChildElement("Backup");
    if (!backup)
        return nullptr;
    const QString wanted = QString::fromStdString(categoryName);
    for (TiXmlElement* categories = backup->FirstChildElement("Categories"); categories;
         categories = categories->NextSiblingElement("Categories")) {
        for (TiXmlElement* category = categories->FirstChildElement("Category"); category;
             category = category->NextSiblingElement("Category")) {
            const char* name = details::ChildText(*category, "Name");
            if (name && QString::fromUtf8(name).compare(wanted, Qt::CaseInsensitive) == 0)
                return category;
        }
    }
    return nullptr;
}

int GetCategoryVersion(const boost::filesystem::path& descriptorPath, const std::string& categoryName)
{
    TiXmlDocument document;
    const TiXmlElement* category = FindCategory(descriptorPath, categoryName, document);
    const char* text = category ? details::ChildText(*category, "MinimumVersionRequired") : nullptr;
    const int version = text ? LenientInteger(text) : 0;
    return version != 0 ? version : GetBackupVersion(descriptorPath);
}

std::string GetBackupId(const boost::filesystem::path& descriptorPath)
{
    TiXmlDocument document;
    ulq::cmn::OpenPlistFile(descriptorPath, document);
    const TiXmlElement* id = FindFirstElement(document, "Id");
    const char* text = id ? id->GetText() : nullptr;
    return text ? text : std::string();
}

} // namespace cmn

namespace cmn::utils {

int VerifyISyncCategoryVersion(const boost::filesystem::path& descriptorPath, const std::string& categoryName,
                               int supportedVersion)
{
    const int version = GetCategoryVersion(descriptorPath, categoryName);
    if (version > supportedVersion) {
        const char* const notSupported = QT_TRANSLATE_NOOP("cmn", " is not supported in current version");
        throw PlugInVersionException(CMN_SOURCE_LOCATION, 0,
                                     categoryName + QCoreApplication::translate("cmn", notSupported).toStdString(),
                                     categoryName + notSupported);
    }
    return version;
}

} // namespace cmn::utils
