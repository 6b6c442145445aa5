#pragma once

#include "AddressSource.h"

#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/db/ResultTable.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace cmn::db {
class SqLiteDbAdapter;
} // namespace cmn::db

// Turning the result rows of the parser's statements into records. Each function appends one
// record per row; a row that cannot be converted is logged at debug level and left out. Each takes
// its table and frees the rows it has converted. Repeated texts of a result share one string in
// the records. Every few thousand rows each asks `stopRequested` and, when it answers true, throws
// ParseStopped.
namespace appleMaps::details {

struct ParseStopped : std::exception {
    const char* what() const noexcept override { return "Parsing stopped"; }
};

void ParseAppleMapsAddresses(cmn::db::ResultTable table, AddressMap& addresses,
    const std::function<bool()>& stopRequested = {});
// The same, row by row as SQLite reads `sql`, without holding the whole result.
void ParseAppleMapsAddresses(cmn::db::SqLiteDbAdapter& adapter, const std::string& sql, AddressMap& addresses,
                             const std::function<bool()>& stopRequested = {});

// The bookmark converters append to a vector that the caller has reserved for both bookmark
// kinds; the others reserve for their rows.
void ParseAppleMapsPlaceBookmarks(cmn::db::ResultTable table, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items,
    const std::function<bool()>& stopRequested = {});
void ParseAppleMapsRouteBookmarks(cmn::db::ResultTable table, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items,
    const std::function<bool()>& stopRequested = {});
void ParseAppleMapsQuerySearchItems(cmn::db::ResultTable table,
                                    std::vector<AppleMapsHistoryQuerySearchItem>& items,
    const std::function<bool()>& stopRequested = {});
void ParseAppleMapsPlaceItems(cmn::db::ResultTable table, AddressSource& addresses,
                              std::vector<AppleMapsPlaceDisplayItem>& items,
    const std::function<bool()>& stopRequested = {});
void ParseAppleMapsDirecrionsSearchesItems(cmn::db::ResultTable table, AddressSource& addresses,
                                           std::vector<AppleMapsDirectionSearchItem>& items,
    const std::function<bool()>& stopRequested = {});

} // namespace appleMaps::details
