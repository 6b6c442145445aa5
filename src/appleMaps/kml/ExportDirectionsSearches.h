#pragma once

#include <boost/filesystem/path.hpp>

#include <QString>

#include <vector>

namespace appleMaps {
struct AppleMapsDirectionSearchItem;
}

namespace appleMaps::details {

// One LineString placemark from start to end per search that has both ends. Throws
// cmn::PlugInCommonException when the file cannot be opened.
void ExportDirectionsSearches(const std::vector<const AppleMapsDirectionSearchItem*>& records,
                              const boost::filesystem::path& path, const QString& sourceName);

} // namespace appleMaps::details
