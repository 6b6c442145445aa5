#include "AppleMapsDatabaseCopy.h"

#include "AppleMapsBackupCategory.h"

#include "CryptLog/log/Log.h"
#include "cmn/PathEncoding.h"
#include "cmn/backup/EvidencePaths.h"
#include "cmn/backup/ICloudSyncedLocation.h"
#include "core/JournalPlugInLoader.h"
#include "core/interfaces/IJournal.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>
#include <QDir>

#include <mutex>

namespace appleMaps {
namespace {

namespace fs = boost::filesystem;

// The prefix the plug-in puts on its journal entries.
constexpr char kJournalPrefix[] = "[Apple Maps]: ";

// The entry is read wherever it points, but the examiner must know that those records come from
// outside the backup. Both the size query and the parse make a copy: the warning is given once.
void WarnWhenOutsideTheBackup(const fs::path& descriptorPath)
{
    const fs::path database = cmn::ResolveICloudSyncedDb(descriptorPath, BackupCategoryName, false);
    const fs::path folder = fs::absolute(descriptorPath).parent_path();
    if (cmn::LiesInside(database, folder))
        return;
    const QString resolved = QDir::toNativeSeparators(ulq::cmn::utils::PathToQString(cmn::ResolvedPath(database)));
    static std::mutex mutex;
    static QString lastWarned;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (resolved == lastWarned)
            return;
        lastWarned = resolved;
    }
    const QString text =
        QCoreApplication::translate("cmn", "The database %1 that the backup names lies outside the backup folder %2.")
            .arg(resolved, QDir::toNativeSeparators(ulq::cmn::utils::PathToQString(cmn::ResolvedPath(folder))));
    LOG_WARN << text.toStdString();
    if (core::IJournal* journal = core::GetJournalPlugIn())
        journal->AddWarning(QLatin1String(kJournalPrefix) + text);
}

fs::path MakeCopy(const fs::path& descriptorPath)
{
    WarnWhenOutsideTheBackup(descriptorPath);
    return cmn::ResolveICloudSyncedDb(descriptorPath, BackupCategoryName, true);
}

} // namespace

AppleMapsDatabaseCopy::AppleMapsDatabaseCopy(const boost::filesystem::path& descriptorPath)
    : m_copy(MakeCopy(descriptorPath))
    , m_adapter(Path())
{
}

} // namespace appleMaps
