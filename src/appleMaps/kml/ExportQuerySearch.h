#pragma once

#include <boost/filesystem/path.hpp>

#include <QString>

#include <vector>

namespace appleMaps {
struct AppleMapsHistoryQuerySearchItem;
}

namespace appleMaps::details {

// One polygon placemark of the visible map region per search, named after the search's place.
// Every search is written, even one whose region was never set. Throws
// cmn::PlugInCommonException when the file cannot be opened.
void ExportQuerySearch(const std::vector<const AppleMapsHistoryQuerySearchItem*>& records,
                       const boost::filesystem::path& path, const QString& sourceName);

} // namespace appleMaps::details
