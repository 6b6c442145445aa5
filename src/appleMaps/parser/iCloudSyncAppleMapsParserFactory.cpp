#include "iCloudSyncAppleMapsParserFactory.h"

#include "AppleMapsBackupCategory.h"
#include "iCloudSyncAppleMapsParser.h"

#include "cmn/backup/BackupDescriptor.h"

#include <QString>

#include <utility>

namespace appleMaps {

iCloudSyncAppleMapsParserFactory::iCloudSyncAppleMapsParserFactory(std::function<bool()> stopRequested)
    : m_stopRequested(std::move(stopRequested))
{
}

bool iCloudSyncAppleMapsParserFactory::AcceptsDataPath(const boost::filesystem::path& dataPath) const
{
    const QString fileName = QString::fromStdWString(dataPath.filename().wstring());
    return fileName.compare(QLatin1String(DescriptorFileName), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<IAppleMapsParser> iCloudSyncAppleMapsParserFactory::CreateParser(
    const boost::filesystem::path& dataPath) const
{
    return std::make_unique<iCloudSyncAppleMapsParser>(dataPath, m_stopRequested);
}

AppleMapsParserFactories MakeAppleMapsParserFactories(const boost::filesystem::path& dataPath,
                                                      std::function<bool()> stopRequested)
{
    AppleMapsParserFactories factories;
    if (cmn::IsBackupVersionSupported(cmn::GetBackupVersion(dataPath), MinimumBackupVersion))
        factories.push_back(std::make_unique<iCloudSyncAppleMapsParserFactory>(std::move(stopRequested)));
    return factories;
}

} // namespace appleMaps
