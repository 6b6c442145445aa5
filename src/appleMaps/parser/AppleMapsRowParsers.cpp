#include "AppleMapsRowParsers.h"

#include "FreedMemory.h"
#include "TextCache.h"
#include "TransportType.h"

#include "CryptLog/log/Log.h"
#include "cmn/db/CellReaders.h"
#include "cmn/db/TableQueries.h"

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

// Now and then, between rows, a stop request ends the loop with ParseStopped.
void AskToStop(std::size_t row, const std::function<bool()>& stopRequested)
{
    constexpr std::size_t RowsBetweenStopQuestions = 4096;
    if (row % RowsBetweenStopQuestions == 0 && stopRequested && stopRequested())
        throw ParseStopped();
}

// A row that throws goes to `skip` instead, and the loop goes on.
template <typename Convert, typename Skip>
void ConvertRow(const std::vector<CellView>& cells, Convert& convert, Skip& skip)
{
    try {
        convert(TableRow(cells));
    } catch (const std::exception& exception) {
        skip(exception);
    }
}

// The rows converted are freed on the way, so that the table shrinks as its records grow. Their
// pages are handed back as they go: a table read ahead lies in the read-ahead thread's heap, which
// the records never draw from.
template <typename Convert, typename Skip>
void ForEachRow(ResultTable& table, const std::function<bool()>& stopRequested, Convert convert, Skip skip)
{
    constexpr std::size_t RowsBetweenReleases = 16384;
    std::vector<CellView> cells(table.ColumnCount());
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        AskToStop(row, stopRequested);
        if (row % RowsBetweenReleases == 0 && row != 0) {
            table.ReleaseRowsBefore(row);
            ReturnFreedMemory();
        }
        table.ReadRow(row, cells.data());
        ConvertRow(cells, convert, skip);
    }
}

void FileAddress(const TableRow& row, TextCache& texts, AddressMap& addresses)
{
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
}

// Gives the record the addresses of its identifier once it is in `items`: the first record to
// get them holds them for later ones to copy, so they must not go with a skipped row.
template <typename Item>
void Append(Item item, const CellView& identifier, AddressSource& addresses, std::vector<Item>& items)
{
    items.push_back(std::move(item));
    items.back().addresses = addresses.Take(cmn::db::GetString(identifier));
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

void ParseAppleMapsAddresses(ResultTable table, AddressMap& addresses,
    const std::function<bool()>& stopRequested)
{
    TextCache texts;
    ForEachRow(
        table, stopRequested, [&](const TableRow& row) { FileAddress(row, texts, addresses); },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsAddresses(cmn::db::SqLiteDbAdapter& adapter, const std::string& sql, AddressMap& addresses,
                             const std::function<bool()>& stopRequested)
{
    TextCache texts;
    auto convert = [&](const TableRow& row) { FileAddress(row, texts, addresses); };
    auto skip = [](const std::exception& exception) { LOG_DEBUG << exception.what(); };
    std::size_t row = 0;
    cmn::db::ForEachTableRow(adapter, sql, [&](const std::vector<CellView>& cells) {
        AskToStop(row++, stopRequested);
        ConvertRow(cells, convert, skip);
    });
}

void ParseAppleMapsPlaceBookmarks(ResultTable table, AddressSource& addresses,
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
            Append(std::move(item), row[0], addresses, items);
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsRouteBookmarks(ResultTable table, AddressSource& addresses,
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
            Append(std::move(item), row[0], addresses, items);
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsQuerySearchItems(ResultTable table,
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

void ParseAppleMapsPlaceItems(ResultTable table, AddressSource& addresses,
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
            Append(std::move(item), row[0], addresses, items);
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

void ParseAppleMapsDirecrionsSearchesItems(ResultTable table, AddressSource& addresses,
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
            Append(std::move(item), row[0], addresses, items);
        },
        [](const std::exception& exception) { LOG_DEBUG << exception.what(); });
}

} // namespace appleMaps::details
