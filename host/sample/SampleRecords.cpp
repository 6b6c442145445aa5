#include "SampleRecords.h"

#include "SampleWorld.h"

#include <algorithm>
#include <cstdio>

namespace host::sample {
namespace {

// 2016-01-01 to 2024-06-01, seconds since 1970 UTC.
constexpr std::int64_t kFirstTime = 1451606400;
constexpr std::int64_t kLastTime = 1717200000;
// Where the "no value" marker of the database stands in for a missing coordinate.
constexpr double kNoCoordinate = -180.0;
constexpr double kRouteRadius = 0.05;
constexpr std::uint64_t kExtraSerialFlag = 1ULL << 63;

enum TransportType : std::int64_t { Drive = 0, Transit = 1, Walk = 2 };

SampleCell TextOrNull(const std::string& text)
{
    if (text.empty())
        return {};
    return text;
}

void SetPoint(SampleRow& row, const char* latitude, const char* longitude, const SamplePoint& point)
{
    row.Set(latitude, point.latitude);
    row.Set(longitude, point.longitude);
}

void SetContact(SampleRow& row, const SamplePlace& place)
{
    row.Set("telephone", TextOrNull(place.telephone));
    row.Set("fax", TextOrNull(place.fax));
    row.Set("url", TextOrNull(place.url));
    row.Set("name", TextOrNull(place.name));
}

SampleRow AddressRow(const std::string& identifier, const SampleAddress& address)
{
    return MakeAddressRow(identifier, {address.country, address.countryCode, address.administrativeArea,
                                       address.administrativeAreaCode, address.locality, address.postCode,
                                       address.thoroughfare, address.subThoroughfare});
}

std::int64_t RandomTransport(SampleRandom& random)
{
    const std::uint64_t roll = random.Below(10);
    return roll < 5 ? Drive : roll < 8 ? Transit : Walk;
}

} // namespace

std::string MakeIdentifier(std::uint64_t seed, SampleTable table, std::uint64_t serial)
{
    const std::uint64_t key = MixBits(seed * kSampleTableCount + static_cast<std::uint64_t>(table));
    const std::uint64_t high = MixBits(serial ^ key);
    const std::uint64_t low = MixBits(high ^ ~key);
    char text[37];
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%04X-%012llX", static_cast<unsigned>(high >> 32),
                  static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFFF),
                  static_cast<unsigned>(low >> 48), static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
    return text;
}

SampleRow MakeAddressRow(const std::string& identifier, const std::vector<std::string>& fields)
{
    SampleRow row(SampleTable::Addresses);
    const std::vector<SampleColumn>& columns = TableDefinition(SampleTable::Addresses).columns;
    row.Set("identifier", identifier);
    for (std::size_t index = 0; index < fields.size() && index + 1 < columns.size(); ++index)
        row.Set(columns[index + 1].name, TextOrNull(fields[index]));
    return row;
}

SampleRecordFactory::SampleRecordFactory(SampleTable table, std::uint64_t seed, std::uint64_t rowCount)
    : m_table(table)
    , m_seed(seed)
    , m_timeStep(std::max<std::int64_t>(
          1, (kLastTime - kFirstTime) / static_cast<std::int64_t>(std::max<std::uint64_t>(rowCount, 1))))
    , m_random(MixBits(seed) ^ static_cast<std::uint64_t>(table))
{
}

SampleEntry SampleRecordFactory::Regular(std::uint64_t index)
{
    const auto timestamp = kFirstTime + static_cast<std::int64_t>(index) * m_timeStep
        + static_cast<std::int64_t>(m_random.Below(static_cast<std::uint64_t>(m_timeStep)));
    return Make(index, timestamp);
}

SampleEntry SampleRecordFactory::Extra(std::uint64_t serial)
{
    return Make(serial | kExtraSerialFlag, m_random.Between(kFirstTime, kLastTime));
}

SampleEntry SampleRecordFactory::Make(std::uint64_t serial, std::int64_t timestamp)
{
    const std::string identifier = MakeIdentifier(m_seed, m_table, serial);
    SampleEntry entry{SampleRow(m_table), {}};
    SampleRow& row = entry.row;
    row.Set("identifier", identifier);
    row.Set("timestamp", timestamp);

    if (m_table == SampleTable::QuerySearches) {
        const SampleSearch search = RandomSearch(m_random);
        row.Set("query", search.query);
        row.Set("location_display_string", TextOrNull(search.locationDisplayString));
        SetPoint(row, "map_region_south_latitude", "map_region_west_longitude", search.southWest);
        SetPoint(row, "map_region_north_latitude", "map_region_east_longitude", search.northEast);
        return entry;
    }

    SamplePlace place = RandomPlace(m_random);
    switch (m_table) {
    case SampleTable::PlaceBookmarks: {
        const bool droppedPin = m_random.Chance(0.12);
        if (droppedPin) {
            place.name = "Dropped Pin";
            place.telephone.clear();
            place.url.clear();
        }
        row.Set("title", RandomBookmarkTitle(place, m_random));
        SetPoint(row, "place_point_latitude", "place_point_longitude", place.point);
        SetPoint(row, "dropped_pin_coordinate_latitude", "dropped_pin_coordinate_longitude",
                 droppedPin ? place.point : SamplePoint{kNoCoordinate, kNoCoordinate});
        break;
    }
    case SampleTable::RouteBookmarks:
        SetPoint(row, "place_point_latitude", "place_point_longitude", place.point);
        SetPoint(row, "start_point_latitude", "start_point_longitude",
                 RandomPointNear(place.point, kRouteRadius, m_random));
        SetPoint(row, "end_point_latitude", "end_point_longitude", place.point);
        break;
    case SampleTable::PlaceDisplays:
        SetPoint(row, "place_point_latitude", "place_point_longitude", place.point);
        break;
    case SampleTable::DirectionsSearches:
        row.Set("transport_type", RandomTransport(m_random));
        SetPoint(row, "start_point_latitude", "start_point_longitude",
                 RandomPointNear(place.point, kRouteRadius, m_random));
        SetPoint(row, "end_point_latitude", "end_point_longitude", place.point);
        break;
    default:
        break;
    }
    SetContact(row, place);
    entry.addresses.push_back(AddressRow(identifier, place.address));
    return entry;
}

} // namespace host::sample
