#pragma once

#include "appleMaps/records/IAppleMapsParserFactory.h"

namespace appleMaps {

// Makes the parser of an iCloud-synced backup, whose data path is its descriptor
// "icloud_synced.xml" (in any case).
class iCloudSyncAppleMapsParserFactory final : public IAppleMapsParserFactory {
public:
    bool AcceptsDataPath(const boost::filesystem::path& dataPath) const override;
    std::unique_ptr<IAppleMapsParser> CreateParser(const boost::filesystem::path& dataPath) const override;
};

// The factories for the backup whose descriptor is `dataPath`: the iCloud-synced one when the
// descriptor's version is recent enough, else none.
AppleMapsParserFactories MakeAppleMapsParserFactories(const boost::filesystem::path& dataPath);

} // namespace appleMaps
