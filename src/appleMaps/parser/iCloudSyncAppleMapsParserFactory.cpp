#include "iCloudSyncAppleMapsParserFactory.h"

#include "AppleMapsBackupCategory.h"
#include "iCloudSyncAppleMapsParser.h"

#include "cmn/backup/BackupDescriptor.h"

#include <QString>

namespace appleMaps {

bool iCloudSyncAppleMapsParserFactory::AcceptsDataPath(const boost::filesystem::path& dataPath) const
{
    const QString fileName = QString::fromStdWString(dataPath.filename().wstring());
    return fileName.compare(QLatin1String(DescriptorFileName), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<IAppleMapsParser> iCloudSyncAppleMapsParserFactory::CreateParser(
    const boost::filesystem::path& dataPath) const
{
    return std::make_unique<iCloudSyncAppleMapsParser>(dataPath);
}

AppleMapsParserFactories MakeAppleMapsParserFactories(const boost::filesystem::path& dataPath)
{
    AppleMapsParserFactories factories;
    if (cmn::IsBackupVersionSupported(cmn::GetBackupVersion(dataPath), MinimumBackupVersion))
        factories.push_back(std::make_unique<iCloudSyncAppleMapsParserFactory>());
    return factories;
}

} // namespace appleMaps
