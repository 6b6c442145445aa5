#include "AppleMapsDatabaseCopy.h"

#include "AppleMapsBackupCategory.h"

#include "cmn/backup/ICloudSyncedLocation.h"

namespace appleMaps {

AppleMapsDatabaseCopy::AppleMapsDatabaseCopy(const boost::filesystem::path& descriptorPath)
    : m_copy(cmn::ResolveICloudSyncedDb(descriptorPath, BackupCategoryName, true))
    // The narrow form is UTF-8 once the plug-in has set up the path encoding.
    , m_adapter(m_copy.GetPath().string())
{
}

} // namespace appleMaps
