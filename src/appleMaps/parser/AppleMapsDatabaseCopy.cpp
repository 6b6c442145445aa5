#include "AppleMapsDatabaseCopy.h"

#include "AppleMapsBackupCategory.h"

#include "cmn/backup/ICloudSyncedLocation.h"

namespace appleMaps {

AppleMapsDatabaseCopy::AppleMapsDatabaseCopy(const boost::filesystem::path& descriptorPath)
    : m_copy(cmn::ResolveICloudSyncedDb(descriptorPath, BackupCategoryName, true))
    , m_adapter(Path())
{
}

} // namespace appleMaps
