#include "iCloudSyncAppleMapsParser.h"

#include "AppleMapsBackupCategory.h"
#include "AppleMapsDatabaseCopy.h"
#include "AppleMapsQueries.h"
#include "AppleMapsRowParsers.h"
#include "DateRange.h"
#include "QueryPrefetch.h"

#include "CryptLog/log/Log.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "cmn/backup/BackupDescriptor.h"
#include "cmn/db/ResultTable.h"
#include "cmn/db/SqLiteDbAdapter.h"
#include "cmn/filter/FilterUtils.h"

#include <utility>

namespace appleMaps {

iCloudSyncAppleMapsParser::iCloudSyncAppleMapsParser(boost::filesystem::path descriptorPath)
    : m_descriptorPath(std::move(descriptorPath))
{
}

bool iCloudSyncAppleMapsParser::IsDataChanged()
{
    return false;
}

std::uint64_t iCloudSyncAppleMapsParser::GetDataSize()
{
    cmn::utils::VerifyISyncCategoryVersion(m_descriptorPath, BackupCategoryName, SupportedCategoryVersion);
    AppleMapsDatabaseCopy database(m_descriptorPath);
    return database.Adapter().GetRowCount(queries::Size);
}

void iCloudSyncAppleMapsParser::Parse(AppleMapsRecords& records)
{
    AppleMapsDatabaseCopy database(m_descriptorPath);
    // After the copy, so that its connection is closed before the copy goes. The record tables are
    // read ahead while the addresses and then each earlier table are converted.
    details::QueryPrefetch recordTables(database.Path(), {queries::PlaceBookmarks, queries::RouteBookmarks,
                                                          queries::QuerySearches, queries::PlaceDisplays,
                                                          queries::DirectionsSearches});

    details::AddressMap addresses;
    {
        cmn::db::ResultTable table;
        database.Adapter().GetDataByQuery(queries::Addresses, table);
        details::ParseAppleMapsAddresses(table, addresses);
    }

    details::DateRange dateRange;
    {
        const cmn::db::ResultTable places = recordTables.Next();
        const cmn::db::ResultTable routes = recordTables.Next();
        records.bookmarks.reserve(records.bookmarks.size() + places.RowCount() + routes.RowCount());
        FetchAppleMapsPlaceBookmarks(places, addresses, records, dateRange);
        FetchAppleMapsRouteBookmarks(routes, addresses, records, dateRange);
    }
    FetchAppleMapsQuerySearchItems(recordTables, records, dateRange);
    FetchPlaceDisplays(recordTables, addresses, records, dateRange);
    FetchDirectionSearches(recordTables, addresses, records, dateRange);
    AddDateItems(records, dateRange);
}

cmn::filter::FilterContext& iCloudSyncAppleMapsParser::GetFilterContext(int kind)
{
    return m_filterContexts[kind];
}

std::string iCloudSyncAppleMapsParser::GetBackupId()
{
    return cmn::GetBackupId(m_descriptorPath);
}

void iCloudSyncAppleMapsParser::FetchAppleMapsPlaceBookmarks(const cmn::db::ResultTable& table,
                                                             const details::AddressMap& addresses,
                                                             AppleMapsRecords& records,
                                                             details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps place bookmarks";
    details::AddressSource source = details::AddressSource::CopyingFrom(addresses);
    details::ParseAppleMapsPlaceBookmarks(table, source, records.bookmarks);
    dateRange.Widen(records.bookmarks);
    LOG_DEBUG << "Apple Maps place bookmarks parsed successfully." << records.bookmarks.size() << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchAppleMapsRouteBookmarks(const cmn::db::ResultTable& table,
                                                             const details::AddressMap& addresses,
                                                             AppleMapsRecords& records,
                                                             details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps route bookmarks";
    details::AddressSource source = details::AddressSource::CopyingFrom(addresses);
    details::ParseAppleMapsRouteBookmarks(table, source, records.bookmarks);
    dateRange.Widen(records.bookmarks);
    LOG_DEBUG << "Apple Maps route bookmarks parsed successfully" << records.bookmarks.size() << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchAppleMapsQuerySearchItems(details::QueryPrefetch& tables,
                                                               AppleMapsRecords& records,
                                                               details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps query search";
    const cmn::db::ResultTable table = tables.Next();
    details::ParseAppleMapsQuerySearchItems(table, records.querySearches);
    dateRange.Widen(records.querySearches);
    LOG_DEBUG << "Apple Maps query search parsed successfully" << records.querySearches.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchPlaceDisplays(details::QueryPrefetch& tables,
                                                   details::AddressMap& addresses, AppleMapsRecords& records,
                                                   details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps place displays";
    const cmn::db::ResultTable table = tables.Next();
    details::AddressSource source = details::AddressSource::TakingFrom(addresses);
    details::ParseAppleMapsPlaceItems(table, source, records.placeDisplays);
    dateRange.Widen(records.placeDisplays);
    LOG_DEBUG << "Apple Maps place displays parsed successfully" << records.placeDisplays.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchDirectionSearches(details::QueryPrefetch& tables,
                                                       details::AddressMap& addresses, AppleMapsRecords& records,
                                                       details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps direction searches";
    const cmn::db::ResultTable table = tables.Next();
    details::AddressSource source = details::AddressSource::TakingFrom(addresses);
    details::ParseAppleMapsDirecrionsSearchesItems(table, source, records.directionSearches);
    dateRange.Widen(records.directionSearches);
    LOG_DEBUG << "Apple Maps direction searches parsed successfully" << records.directionSearches.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::AddDateItems(const AppleMapsRecords& records, const details::DateRange& dateRange)
{
    const std::pair<int, std::size_t> counts[] = {
        {SearchesCategory, records.querySearches.size()},
        {FavoritesCategory, records.bookmarks.size()},
        {ExploredPlacesCategory, records.placeDisplays.size()},
        {DirectionsSearchesCategory, records.directionSearches.size()},
    };
    for (const auto& [kind, count] : counts) {
        cmn::filter::FilterContext& context = m_filterContexts[kind];
        if (count != 0) {
            context.items.push_back(
                cmn::filter::utils::MakeDateItem(dateRange.Earliest(), dateRange.Latest(), count));
        }
    }
}

} // namespace appleMaps
