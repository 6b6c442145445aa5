#include "AppleMapsRowParsers.h"

#include "TransportType.h"

#include "CryptLog/log/Log.h"
#include "cmn/db/CellReaders.h"

#include <QtGlobal>

#include <stdexcept>

namespace appleMaps::details {
namespace {

using cmn::db::Column;
using cmn::db::Row;
using cmn::db::Rows;

// The database's marker for a coordinate without a value.
constexpr double NoCoordinate = -180.0;

const Column& Cell(const Row& row, std::size_t index)
{
    const boost::shared_ptr<Column>& cell = row.at(index);
    if (!cell)
        throw std::invalid_argument("Missing cell");
    return *cell;
}

QDateTime ReadTime(const Column& cell)
{
    const cmn::db::Int64 seconds = cmn::db::GetInt64(cell);
    if (seconds == 0)
        return {};
    // As Qt's 32-bit seconds constructor reads it: the low 32 bits as an unsigned number.
    return QDateTime::fromSecsSinceEpoch(static_cast<quint32>(seconds), Qt::UTC);
}

QString ReadText(const Column& cell)
{
    const std::string_view text = cmn::db::GetString(cell);
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

void ReadCoordinate(const Column& cell, double& axis)
{
    if (cmn::db::IsNull(cell))
        return;
    const double value = cmn::db::GetDouble(cell);
    if (value != NoCoordinate)
        axis = value;
}

void ReadPoint(const Row& row, std::size_t latitudeColumn, std::size_t longitudeColumn,
               location::Coordinates& point)
{
    ReadCoordinate(Cell(row, latitudeColumn), point.latitude);
    ReadCoordinate(Cell(row, longitudeColumn), point.longitude);
}

// Hands every row to `convert` and releases it; a row that throws goes to `skip` instead, and
// the loop goes on.
template <typename Convert, typename Skip>
void ForEachRow(Rows& rows, Convert convert, Skip skip)
{
    for (boost::shared_ptr<Row>& row : rows) {
        try {
            if (!row)
                throw std::invalid_argument("Missing row");
            convert(*row);
        } catch (const std::exception& exception) {
            skip(exception);
        }
        row.reset();
    }
    rows.clear();
}

const QString& PlaceType()
{
    static const QString type = QStringLiteral("Place");
    return type;
}

const QString& RouteType()
{
    static const QString type = QStringLiteral("Route");
    return type;
}

} // namespace

void ParseAppleMapsAddresses(Rows&& rows, AddressMap& addresses)
{
    addresses.reserve(addresses.size() + rows.size());
    ForEachRow(
        rows,
        [&addresses](const Row& row) {
            cmn::Address address;
            address.country = ReadText(Cell(row, 1));
            address.countryCode = ReadText(Cell(row, 2));
            address.administrativeArea = ReadText(Cell(row, 3));
            address.administrativeAreaCode = ReadText(Cell(row, 4));
            address.locality = ReadText(Cell(row, 5));
            address.postCode = ReadText(Cell(row, 6));
            address.thoroughfare = ReadText(Cell(row, 7));
            address.subThoroughfare = ReadText(Cell(row, 8));
            address.resolutionState = cmn::Address::Resolved;
            addresses[std::string(cmn::db::GetString(Cell(row, 0)))].push_back(std::move(address));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsPlaceBookmarks(Rows&& rows, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items)
{
    ForEachRow(
        rows,
        [&](const Row& row) {
            AppleMapsPlaceBookmarkItem item;
            item.timestamp = ReadTime(Cell(row, 1));
            item.title = ReadText(Cell(row, 2));
            ReadPoint(row, 3, 4, item.placePoint);
            item.telephone = ReadText(Cell(row, 5));
            item.fax = ReadText(Cell(row, 6));
            item.url = ReadText(Cell(row, 7));
            item.name = ReadText(Cell(row, 8));
            ReadPoint(row, 9, 10, item.droppedPin);
            item.type = PlaceType();
            item.addresses = addresses.Take(cmn::db::GetString(Cell(row, 0)));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsRouteBookmarks(Rows&& rows, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items)
{
    ForEachRow(
        rows,
        [&](const Row& row) {
            AppleMapsPlaceBookmarkItem item;
            item.timestamp = ReadTime(Cell(row, 1));
            ReadPoint(row, 2, 3, item.placePoint);
            item.telephone = ReadText(Cell(row, 4));
            item.fax = ReadText(Cell(row, 5));
            item.url = ReadText(Cell(row, 6));
            item.name = ReadText(Cell(row, 7));
            item.route.resize(2);
            ReadPoint(row, 8, 9, item.route[0]);
            ReadPoint(row, 10, 11, item.route[1]);
            item.type = RouteType();
            item.addresses = addresses.Take(cmn::db::GetString(Cell(row, 0)));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsQuerySearchItems(Rows&& rows, std::vector<AppleMapsHistoryQuerySearchItem>& items)
{
    items.reserve(items.size() + rows.size());
    ForEachRow(
        rows,
        [&items](const Row& row) {
            AppleMapsHistoryQuerySearchItem item;
            item.timestamp = ReadTime(Cell(row, 0));
            item.query = ReadText(Cell(row, 1));
            item.locationDisplayString = ReadText(Cell(row, 2));
            ReadCoordinate(Cell(row, 3), item.mapRegion.southWest.latitude);
            ReadCoordinate(Cell(row, 4), item.mapRegion.southWest.longitude);
            ReadCoordinate(Cell(row, 5), item.mapRegion.northEast.latitude);
            ReadCoordinate(Cell(row, 6), item.mapRegion.northEast.longitude);
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsPlaceItems(Rows&& rows, AddressSource& addresses, std::vector<AppleMapsPlaceDisplayItem>& items)
{
    items.reserve(items.size() + rows.size());
    ForEachRow(
        rows,
        [&](const Row& row) {
            AppleMapsPlaceDisplayItem item;
            item.timestamp = ReadTime(Cell(row, 1));
            ReadPoint(row, 2, 3, item.placePoint);
            item.telephone = ReadText(Cell(row, 4));
            item.fax = ReadText(Cell(row, 5));
            item.url = ReadText(Cell(row, 6));
            item.name = ReadText(Cell(row, 7));
            item.addresses = addresses.Take(cmn::db::GetString(Cell(row, 0)));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsDirecrionsSearchesItems(Rows&& rows, AddressSource& addresses,
                                           std::vector<AppleMapsDirectionSearchItem>& items)
{
    items.reserve(items.size() + rows.size());
    ForEachRow(
        rows,
        [&](const Row& row) {
            AppleMapsDirectionSearchItem item;
            item.timestamp = ReadTime(Cell(row, 1));
            item.transportType = TransportTypeToString(cmn::db::GetInt64(Cell(row, 2)));
            item.telephone = ReadText(Cell(row, 3));
            item.fax = ReadText(Cell(row, 4));
            item.url = ReadText(Cell(row, 5));
            item.name = ReadText(Cell(row, 6));
            ReadPoint(row, 7, 8, item.startPoint);
            ReadPoint(row, 9, 10, item.endPoint);
            item.addresses = addresses.Take(cmn::db::GetString(Cell(row, 0)));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

} // namespace appleMaps::details
