#pragma once

#include "AddressSource.h"

#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/db/QueryResult.h"

#include <vector>

// Turning the result rows of the parser's statements into records. Each function appends one
// record per row; a row that cannot be converted is logged at debug level and left out. The rows
// are released as they are converted, so that a large result set and its records are never held
// in full at the same time.
namespace appleMaps::details {

void ParseAppleMapsAddresses(cmn::db::Rows&& rows, AddressMap& addresses);

// The bookmark converters append to a vector that the caller has reserved for both bookmark
// kinds; the others reserve for their rows.
void ParseAppleMapsPlaceBookmarks(cmn::db::Rows&& rows, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items);
void ParseAppleMapsRouteBookmarks(cmn::db::Rows&& rows, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items);
void ParseAppleMapsQuerySearchItems(cmn::db::Rows&& rows, std::vector<AppleMapsHistoryQuerySearchItem>& items);
void ParseAppleMapsPlaceItems(cmn::db::Rows&& rows, AddressSource& addresses,
                              std::vector<AppleMapsPlaceDisplayItem>& items);
void ParseAppleMapsDirecrionsSearchesItems(cmn::db::Rows&& rows, AddressSource& addresses,
                                           std::vector<AppleMapsDirectionSearchItem>& items);

} // namespace appleMaps::details
