#include "iCloudSyncAppleMapsParser.h"

#include "AppleMapsBackupCategory.h"
#include "AppleMapsDatabaseCopy.h"
#include "AppleMapsQueries.h"
#include "AppleMapsRowParsers.h"
#include "DateRange.h"
#include "FreedMemory.h"
#include "QueryPrefetch.h"

#include "CryptLog/log/Log.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "cmn/backup/BackupDescriptor.h"
#include "cmn/db/ResultTable.h"
#include "cmn/db/SqLiteDbAdapter.h"
#include "cmn/db/SqlException.h"
#include "cmn/db/TableQueries.h"
#include "cmn/filter/FilterUtils.h"

#include <optional>
#include <utility>

namespace appleMaps {

iCloudSyncAppleMapsParser::iCloudSyncAppleMapsParser(boost::filesystem::path descriptorPath,
                                                     std::function<bool()> stopRequested)
    : m_descriptorPath(std::move(descriptorPath))
    , m_stopRequested(std::move(stopRequested))
{
}

bool iCloudSyncAppleMapsParser::IsDataChanged()
{
    return false;
}

// Counted here where that gives what the statement gives, else by the statement itself.
std::uint64_t iCloudSyncAppleMapsParser::GetDataSize()
{
    cmn::utils::VerifyISyncCategoryVersion(m_descriptorPath, BackupCategoryName, SupportedCategoryVersion);
    AppleMapsDatabaseCopy database(m_descriptorPath);
    std::uint64_t size = 0;
    for (const char* table : queries::SizeTables) {
        const std::optional<std::uint64_t> count = cmn::db::CountDistinct(database.Adapter(), table, "identifier");
        if (!count)
            return database.Adapter().GetRowCount(queries::Size);
        size += *count;
    }
    return size;
}

void iCloudSyncAppleMapsParser::Parse(AppleMapsRecords& records)
{
    details::DateRange dateRange;
    try {
        ParseTables(records, dateRange);
    } catch (const details::ParseStopped&) {
        LOG_INFO << "Parsing stopped";
        return;
    } catch (const cmn::db::SqlException&) {
        // The statement in flight was interrupted by the request.
        if (!m_stopRequested || !m_stopRequested())
            throw;
        LOG_INFO << "Parsing stopped";
        return;
    }
    details::ReturnFreedMemory();
    AddDateItems(records, dateRange);
}

void iCloudSyncAppleMapsParser::ParseTables(AppleMapsRecords& records, details::DateRange& dateRange) const
{
    AppleMapsDatabaseCopy database(m_descriptorPath);
    // After the copy, so that its connection is closed before the copy goes. The record tables are
    // read ahead while the addresses and then each earlier table are converted.
    details::QueryPrefetch recordTables(database.Path(),
                                        {queries::PlaceBookmarks, queries::RouteBookmarks, queries::QuerySearches,
                                         queries::PlaceDisplays, queries::DirectionsSearches},
                                        m_stopRequested);

    details::AddressMap addresses;
    {
        // A connection of its own, which a stop request interrupts.
        cmn::db::SqLiteDbAdapter adapter(database.Path(), m_stopRequested);
        details::ParseAppleMapsAddresses(adapter, queries::Addresses, addresses, m_stopRequested);
    }
    addresses.ShrinkToFit();
    // Each table read is freed before the records of the next one grow.
    details::ReturnFreedMemory();

    {
        cmn::db::ResultTable places = recordTables.Next();
        // The routes wait to be taken meanwhile, and no table after them is read yet.
        records.bookmarks.reserve(records.bookmarks.size() + places.RowCount() + recordTables.NextRowCount());
        FetchAppleMapsPlaceBookmarks(std::move(places), addresses, records, dateRange);
    }
    details::ReturnFreedMemory();
    FetchAppleMapsRouteBookmarks(recordTables.Next(), addresses, records, dateRange);
    details::ReturnFreedMemory();
    FetchAppleMapsQuerySearchItems(recordTables, records, dateRange);
    details::ReturnFreedMemory();
    FetchPlaceDisplays(recordTables, addresses, records, dateRange);
    details::ReturnFreedMemory();
    FetchDirectionSearches(recordTables, addresses, records, dateRange);
}

cmn::filter::FilterContext& iCloudSyncAppleMapsParser::GetFilterContext(int kind)
{
    return m_filterContexts[kind];
}

std::string iCloudSyncAppleMapsParser::GetBackupId()
{
    return cmn::GetBackupId(m_descriptorPath);
}

void iCloudSyncAppleMapsParser::FetchAppleMapsPlaceBookmarks(cmn::db::ResultTable table,
                                                             details::AddressMap& addresses,
                                                             AppleMapsRecords& records,
                                                             details::DateRange& dateRange) const
{
    LOG_DEBUG << "Start parsing Apple Maps place bookmarks";
    details::AddressSource source = details::AddressSource::CopyingFrom(addresses);
    details::ParseAppleMapsPlaceBookmarks(std::move(table), source, records.bookmarks, m_stopRequested);
    dateRange.Widen(records.bookmarks);
    LOG_DEBUG << "Apple Maps place bookmarks parsed successfully." << records.bookmarks.size() << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchAppleMapsRouteBookmarks(cmn::db::ResultTable table,
                                                             details::AddressMap& addresses,
                                                             AppleMapsRecords& records,
                                                             details::DateRange& dateRange) const
{
    LOG_DEBUG << "Start parsing Apple Maps route bookmarks";
    details::AddressSource source = details::AddressSource::CopyingFrom(addresses);
    details::ParseAppleMapsRouteBookmarks(std::move(table), source, records.bookmarks, m_stopRequested);
    dateRange.Widen(records.bookmarks);
    LOG_DEBUG << "Apple Maps route bookmarks parsed successfully" << records.bookmarks.size() << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchAppleMapsQuerySearchItems(details::QueryPrefetch& tables,
                                                               AppleMapsRecords& records,
                                                               details::DateRange& dateRange) const
{
    LOG_DEBUG << "Start parsing Apple Maps query search";
    details::ParseAppleMapsQuerySearchItems(tables.Next(), records.querySearches, m_stopRequested);
    dateRange.Widen(records.querySearches);
    LOG_DEBUG << "Apple Maps query search parsed successfully" << records.querySearches.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchPlaceDisplays(details::QueryPrefetch& tables,
                                                   details::AddressMap& addresses, AppleMapsRecords& records,
                                                   details::DateRange& dateRange) const
{
    LOG_DEBUG << "Start parsing Apple Maps place displays";
    details::AddressSource source = details::AddressSource::TakingFrom(addresses);
    details::ParseAppleMapsPlaceItems(tables.Next(), source, records.placeDisplays, m_stopRequested);
    dateRange.Widen(records.placeDisplays);
    LOG_DEBUG << "Apple Maps place displays parsed successfully" << records.placeDisplays.size()
              << " records extracted";
}

void iCloudSyncAppleMapsParser::FetchDirectionSearches(details::QueryPrefetch& tables,
                                                       details::AddressMap& addresses, AppleMapsRecords& records,
                                                       details::DateRange& dateRange) const
{
    LOG_DEBUG << "Start parsing Apple Maps direction searches";
    details::AddressSource source = details::AddressSource::TakingFrom(addresses);
    details::ParseAppleMapsDirecrionsSearchesItems(tables.Next(), source, records.directionSearches,
                                                   m_stopRequested);
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
