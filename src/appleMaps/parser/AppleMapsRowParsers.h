#pragma once

#include "AddressSource.h"

#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/db/ResultTable.h"

#include <vector>

// Turning the result rows of the parser's statements into records. Each function appends one
// record per row; a row that cannot be converted is logged at debug level and left out. Repeated
// texts of a result share one string in the records.
namespace appleMaps::details {

void ParseAppleMapsAddresses(const cmn::db::ResultTable& table, AddressMap& addresses);

// The bookmark converters append to a vector that the caller has reserved for both bookmark
// kinds; the others reserve for their rows.
void ParseAppleMapsPlaceBookmarks(const cmn::db::ResultTable& table, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items);
void ParseAppleMapsRouteBookmarks(const cmn::db::ResultTable& table, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items);
void ParseAppleMapsQuerySearchItems(const cmn::db::ResultTable& table,
                                    std::vector<AppleMapsHistoryQuerySearchItem>& items);
void ParseAppleMapsPlaceItems(const cmn::db::ResultTable& table, AddressSource& addresses,
                              std::vector<AppleMapsPlaceDisplayItem>& items);
void ParseAppleMapsDirecrionsSearchesItems(const cmn::db::ResultTable& table, AddressSource& addresses,
                                           std::vector<AppleMapsDirectionSearchItem>& items);

} // namespace appleMaps::details
