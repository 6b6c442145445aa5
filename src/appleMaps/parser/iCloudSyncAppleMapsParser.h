#pragma once

#include "AddressSource.h"

#include "appleMaps/records/IAppleMapsParser.h"
#include "cmn/filter/FilterContext.h"

#include <boost/filesystem/path.hpp>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace cmn::db {
class ResultTable;
} // namespace cmn::db

namespace appleMaps {

namespace details {
class DateRange;
class QueryPrefetch;
} // namespace details

// Reads the Apple Maps database of an iCloud-synced backup, always from a private temporary
// copy. Used under the plug-in's mutex; the filter contexts and the backup id are read from the
// GUI thread after a parse.
class iCloudSyncAppleMapsParser final : public IAppleMapsParser {
public:
    // `stopRequested` (the host's stop flag) is asked while parsing: between tables, every few
    // thousand rows, and by the statement in flight.
    explicit iCloudSyncAppleMapsParser(boost::filesystem::path descriptorPath,
                                       std::function<bool()> stopRequested = {});

    // Always false: a backup on disk does not change under the viewer.
    bool IsDataChanged() override;
    // Distinct identifiers over the five record tables. Throws cmn::PlugInVersionException for
    // a category newer than this parser reads.
    std::uint64_t GetDataSize() override;
    // Appends to the four vectors and adds the date item of every kind that got records.
    // Records appended before a failing statement stay. A stop request ends it early, without
    // an exception and without date items; what was appended so far stays.
    void Parse(AppleMapsRecords& records) override;
    cmn::filter::FilterContext& GetFilterContext(int kind) override;
    std::string GetBackupId() override;

private:
    // The bookmark fetches leave the addresses to later fetches, so that a place and a route bookmark
    // with the same identifier both get them; places and directions then take them for good.
    void FetchAppleMapsPlaceBookmarks(cmn::db::ResultTable table, details::AddressMap& addresses,
                                      AppleMapsRecords& records, details::DateRange& dateRange) const;
    void FetchAppleMapsRouteBookmarks(cmn::db::ResultTable table, details::AddressMap& addresses,
                                      AppleMapsRecords& records, details::DateRange& dateRange) const;
    // Each takes the next table of `tables`.
    void FetchAppleMapsQuerySearchItems(details::QueryPrefetch& tables, AppleMapsRecords& records,
                                        details::DateRange& dateRange) const;
    void FetchPlaceDisplays(details::QueryPrefetch& tables, details::AddressMap& addresses,
                            AppleMapsRecords& records, details::DateRange& dateRange) const;
    void FetchDirectionSearches(details::QueryPrefetch& tables, details::AddressMap& addresses,
                                AppleMapsRecords& records, details::DateRange& dateRange) const;
    void ParseTables(AppleMapsRecords& records, details::DateRange& dateRange) const;
    void AddDateItems(const AppleMapsRecords& records, const details::DateRange& dateRange);

    boost::filesystem::path m_descriptorPath;
    std::function<bool()> m_stopRequested;
    std::map<int, cmn::filter::FilterContext> m_filterContexts;
};

} // namespace appleMaps
