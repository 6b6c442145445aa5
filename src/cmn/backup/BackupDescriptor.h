#pragma once

#include <boost/filesystem/path.hpp>

#include <string>

class TiXmlDocument;
class TiXmlElement;

// Reading the backup descriptor "icloud_synced.xml", which lists per data category where its
// files lie and which reader version it needs. Category names are UTF-8.
namespace cmn {

// The descriptor's Backup/Version, or 0 when the path is not named "icloud_synced.xml" (in any
// case), the document does not parse, or the version is missing or not an integer.
// Throws ulq::cmn::FileSystemException "Could not open file." for a descriptor it cannot open, and
// the refusals of ulq::cmn::CheckReadableFile for one that is no regular file or far too large.
int GetBackupVersion(const boost::filesystem::path& descriptorPath);

// True when `version` >= 1, 1 <= `required` <= 6 and `required` <= `version`.
bool IsBackupVersionSupported(int version, int required);

// Loads the descriptor into `document` and returns the first Backup/Categories/Category whose
// Name equals `categoryName` regardless of case, or null. The element belongs to `document`.
// Throws ulq::cmn::FileSystemException "File does not exist:" for a missing descriptor and
// ulq::cmn::CommonException for one that cannot be loaded.
TiXmlElement* FindCategory(const boost::filesystem::path& descriptorPath, const std::string& categoryName,
                           TiXmlDocument& document);

// The category's MinimumVersionRequired; when that is missing or reads as 0, the backup version.
int GetCategoryVersion(const boost::filesystem::path& descriptorPath, const std::string& categoryName);

// The text of the first Id element, or empty.
std::string GetBackupId(const boost::filesystem::path& descriptorPath);

} // namespace cmn

namespace cmn::utils {

// The category version; throws cmn::PlugInVersionException "<category> is not supported in
// current version" when it is above `supportedVersion`.
int VerifyISyncCategoryVersion(const boost::filesystem::path& descriptorPath, const std::string& categoryName,
                               int supportedVersion);

} // namespace cmn::utils
