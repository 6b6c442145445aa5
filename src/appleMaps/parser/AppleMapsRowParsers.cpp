#include "AppleMapsRowParsers.h"

#include "TextCache.h"
#include "TransportType.h"

#include "CryptLog/log/Log.h"
#include "cmn/db/CellReaders.h"

#include <QtGlobal>

namespace appleMaps::details {
namespace {

using cmn::db::CellView;
using cmn::db::ResultTable;

// The database's marker for a coordinate without a value.
constexpr double NoCoordinate = -180.0;

// One row of a result, decoded once; a column the result does not have throws std::out_of_range.
class TableRow final {
public:
    explicit TableRow(const std::vector<CellView>& cells)
        : m_cells(cells)
    {
    }

    const CellView& operator[](std::size_t column) const { return m_cells.at(column); }

private:
    const std::vector<CellView>& m_cells;
};

QDateTime ReadTime(const CellView& cell)
{
    const cmn::db::Int64 seconds = cmn::db::GetInt64(cell);
    if (seconds == 0)
        return {};
    // As Qt's 32-bit seconds constructor reads it: the low 32 bits as an unsigned number.
    return QDateTime::fromSecsSinceEpoch(static_cast<quint32>(seconds), Qt::UTC);
}

QString ReadText(const CellView& cell, TextCache& texts)
{
    return texts.Get(cmn::db::GetString(cell));
}

void ReadCoordinate(const CellView& cell, double& axis)
{
    if (cmn::db::IsNull(cell))
        return;
    const double value = cmn::db::GetDouble(cell);
    if (value != NoCoordinate)
        axis = value;
}

void ReadPoint(const TableRow& row, std::size_t latitudeColumn, std::size_t longitudeColumn,
               location::Coordinates& point)
{
    ReadCoordinate(row[latitudeColumn], point.latitude);
    ReadCoordinate(row[longitudeColumn], point.longitude);
}

// Hands every row to `convert`; a row that throws goes to `skip` instead, and the loop goes on.
// Between rows, now and then, a stop request ends the loop with ParseStopped.
template <typename Convert, typename Skip>
void ForEachRow(const ResultTable& table, const std::function<bool()>& stopRequested, Convert convert, Skip skip)
{
    constexpr std::size_t RowsBetweenStopQuestions = 4096;
    std::vector<CellView> cells(table.ColumnCount());
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        if (row % RowsBetweenStopQuestions == 0 && stopRequested && stopRequested())
            throw ParseStopped();
        table.ReadRow(row, cells.data());
        try {
            convert(TableRow(cells));
        } catch (const std::exception& exception) {
            skip(exception);
        }
    }
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

void ParseAppleMapsAddresses(const ResultTable& table, AddressMap& addresses,
    const std::function<bool()>& stopRequested)
{
    TextCache texts;
    ForEachRow(
        table, stopRequested,
        [&](const TableRow& row) {
            cmn::Address address;
            address.country = ReadText(row[1], texts);
            address.countryCode = ReadText(row[2], texts);
            address.administrativeArea = ReadText(row[3], texts);
            address.administrativeAreaCode = ReadText(row[4], texts);
            address.locality = ReadText(row[5], texts);
            address.postCode = ReadText(row[6], texts);
            address.thoroughfare = ReadText(row[7], texts);
            address.subThoroughfare = ReadText(row[8], texts);
            address.resolutionState = cmn::Address::Resolved;
            addresses.Add(cmn::db::GetString(row[0]), std::move(address));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsPlaceBookmarks(const ResultTable& table, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items,
    const std::function<bool()>& stopRequested)
{
    TextCache texts;
    ForEachRow(
        table, stopRequested,
        [&](const TableRow& row) {
            AppleMapsPlaceBookmarkItem item;
            item.timestamp = ReadTime(row[1]);
            item.title = ReadText(row[2], texts);
            ReadPoint(row, 3, 4, item.placePoint);
            item.telephone = ReadText(row[5], texts);
            item.fax = ReadText(row[6], texts);
            item.url = ReadText(row[7], texts);
            item.name = ReadText(row[8], texts);
            ReadPoint(row, 9, 10, item.droppedPin);
            item.type = PlaceType();
            item.addresses = addresses.Take(cmn::db::GetString(row[0]));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsRouteBookmarks(const ResultTable& table, AddressSource& addresses,
                                  std::vector<AppleMapsPlaceBookmarkItem>& items,
    const std::function<bool()>& stopRequested)
{
    TextCache texts;
    ForEachRow(
        table, stopRequested,
        [&](const TableRow& row) {
            AppleMapsPlaceBookmarkItem item;
            item.timestamp = ReadTime(row[1]);
            ReadPoint(row, 2, 3, item.placePoint);
            item.telephone = ReadText(row[4], texts);
            item.fax = ReadText(row[5], texts);
            item.url = ReadText(row[6], texts);
            item.name = ReadText(row[7], texts);
            item.route.resize(2);
            ReadPoint(row, 8, 9, item.route[0]);
            ReadPoint(row, 10, 11, item.route[1]);
            item.type = RouteType();
            item.addresses = addresses.Take(cmn::db::GetString(row[0]));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsQuerySearchItems(const ResultTable& table,
                                    std::vector<AppleMapsHistoryQuerySearchItem>& items,
    const std::function<bool()>& stopRequested)
{
    items.reserve(items.size() + table.RowCount());
    TextCache texts;
    ForEachRow(
        table, stopRequested,
        [&](const TableRow& row) {
            AppleMapsHistoryQuerySearchItem item;
            item.timestamp = ReadTime(row[0]);
            item.query = ReadText(row[1], texts);
            item.locationDisplayString = ReadText(row[2], texts);
            ReadCoordinate(row[3], item.mapRegion.southWest.latitude);
            ReadCoordinate(row[4], item.mapRegion.southWest.longitude);
            ReadCoordinate(row[5], item.mapRegion.northEast.latitude);
            ReadCoordinate(row[6], item.mapRegion.northEast.longitude);
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsPlaceItems(const ResultTable& table, AddressSource& addresses,
                              std::vector<AppleMapsPlaceDisplayItem>& items,
    const std::function<bool()>& stopRequested)
{
    items.reserve(items.size() + table.RowCount());
    TextCache texts;
    ForEachRow(
        table, stopRequested,
        [&](const TableRow& row) {
            AppleMapsPlaceDisplayItem item;
            item.timestamp = ReadTime(row[1]);
            ReadPoint(row, 2, 3, item.placePoint);
            item.telephone = ReadText(row[4], texts);
            item.fax = ReadText(row[5], texts);
            item.url = ReadText(row[6], texts);
            item.name = ReadText(row[7], texts);
            item.addresses = addresses.Take(cmn::db::GetString(row[0]));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsDirecrionsSearchesItems(const ResultTable& table, AddressSource& addresses,
                                           std::vector<AppleMapsDirectionSearchItem>& items,
    const std::function<bool()>& stopRequested)
{
    items.reserve(items.size() + table.RowCount());
    TextCache texts;
    ForEachRow(
        table, stopRequested,
        [&](const TableRow& row) {
            AppleMapsDirectionSearchItem item;
            item.timestamp = ReadTime(row[1]);
            item.transportType = TransportTypeToString(cmn::db::GetInt64(row[2]));
            item.telephone = ReadText(row[3], texts);
            item.fax = ReadText(row[4], texts);
            item.url = ReadText(row[5], texts);
            item.name = ReadText(row[6], texts);
            ReadPoint(row, 7, 8, item.startPoint);
            ReadPoint(row, 9, 10, item.endPoint);
            item.addresses = addresses.Take(cmn::db::GetString(row[0]));
            items.push_back(std::move(item));
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

} // namespace appleMaps::details
