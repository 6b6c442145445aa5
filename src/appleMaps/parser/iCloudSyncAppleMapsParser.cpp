#include "iCloudSyncAppleMapsParser.h"

#include "AppleMapsBackupCategory.h"
#include "AppleMapsDatabaseCopy.h"
#include "AppleMapsQueries.h"
#include "AppleMapsRowParsers.h"
#include "DateRange.h"

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
    cmn::db::SqLiteDbAdapter& adapter = database.Adapter();

    details::AddressMap addresses;
    {
        cmn::db::ResultTable table;
        adapter.GetDataByQuery(queries::Addresses, table);
        details::ParseAppleMapsAddresses(table, addresses);
    }

    details::DateRange dateRange;
    {
        cmn::db::ResultTable places;
        cmn::db::ResultTable routes;
        adapter.GetDataByQuery(queries::PlaceBookmarks, places);
        adapter.GetDataByQuery(queries::RouteBookmarks, routes);
        records.bookmarks.reserve(records.bookmarks.size() + places.RowCount() + routes.RowCount());
        FetchAppleMapsPlaceBookmarks(places, addresses, records, dateRange);
        FetchAppleMapsRouteBookmarks(routes, addresses, records, dateRange);
    }
    FetchAppleMapsQuerySearchItems(adapter, records, dateRange);
    FetchPlaceDisplays(adapter, addresses, records, dateRange);
    FetchDirectionSearches(adapter, addresses, records, dateRange);
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

void iCloudSyncAppleMapsParser::FetchAppleMapsQuerySearchItems(cmn::db::SqLiteDbAdapter& adapter,
                                                               AppleMapsRecords& records,
                                                               details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps query search";
    cmn::db::ResultTable table;
    adapter.GetDataByQuery(queries::QuerySearches, table);
    details::ParseAppleMapsQuerySearchItems(table, records.querySearches);
    dateRange.Widen(records.querySearches);
    LOG_DEBUG << "Apple Maps query search parsed successfully" << records.querySearches.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchPlaceDisplays(cmn::db::SqLiteDbAdapter& adapter,
                                                   details::AddressMap& addresses, AppleMapsRecords& records,
                                                   details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps place displays";
    cmn::db::ResultTable table;
    adapter.GetDataByQuery(queries::PlaceDisplays, table);
    details::AddressSource source = details::AddressSource::TakingFrom(addresses);
    details::ParseAppleMapsPlaceItems(table, source, records.placeDisplays);
    dateRange.Widen(records.placeDisplays);
    LOG_DEBUG << "Apple Maps place displays parsed successfully" << records.placeDisplays.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchDirectionSearches(cmn::db::SqLiteDbAdapter& adapter,
                                                       details::AddressMap& addresses, AppleMapsRecords& records,
                                                       details::DateRange& dateRange)
{
    LOG_DEBUG << "Start parsing Apple Maps direction searches";
    cmn::db::ResultTable table;
    adapter.GetDataByQuery(queries::DirectionsSearches, table);
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
