#pragma once

#include "appleMaps/records/IAppleMapsParserFactory.h"

#include <functional>

namespace appleMaps {

// Makes the parser of an iCloud-synced backup, whose data path is its descriptor
// "icloud_synced.xml" (in any case).
class iCloudSyncAppleMapsParserFactory final : public IAppleMapsParserFactory {
public:
    // The parsers it makes ask `stopRequested` while they parse.
    explicit iCloudSyncAppleMapsParserFactory(std::function<bool()> stopRequested = {});

    bool AcceptsDataPath(const boost::filesystem::path& dataPath) const override;
    std::unique_ptr<IAppleMapsParser> CreateParser(const boost::filesystem::path& dataPath) const override;

private:
    std::function<bool()> m_stopRequested;
};

// The factories for the backup whose descriptor is `dataPath`: the iCloud-synced one when the
// descriptor's version is recent enough, else none.
AppleMapsParserFactories MakeAppleMapsParserFactories(const boost::filesystem::path& dataPath,
                                                      std::function<bool()> stopRequested = {});

} // namespace appleMaps
