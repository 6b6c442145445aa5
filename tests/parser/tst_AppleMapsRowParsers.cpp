#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Severity.h"
#include "appleMaps/parser/AppleMapsRowParsers.h"
#include "appleMaps/parser/TransportType.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(boost::any)

namespace details = appleMaps::details;
using cmn::db::Int64;
using cmn::db::ResultTable;
using cmn::db::SqlNull;
using Cells = std::vector<boost::any>;

namespace {

ResultTable MakeTable(const std::vector<Cells>& rows)
{
    ResultTable table(rows.front().size());
    for (const Cells& cells : rows) {
        for (const boost::any& value : cells)
            table.Append(cmn::db::ViewOf(value));
    }
    return table;
}

boost::any Text(const char* text)
{
    return std::string(text);
}

// A place display row: identifier, timestamp, latitude, longitude, telephone, fax, url, name.
Cells PlaceRow(const char* identifier, boost::any timestamp = Int64(1), boost::any latitude = 55.75,
               boost::any longitude = 37.62)
{
    return {Text(identifier), timestamp, latitude, longitude, Text("+7 495"), Text("+7 496"), Text("https://x.ru"),
            Text("Kremlin")};
}

std::vector<appleMaps::AppleMapsPlaceDisplayItem> ParsePlaces(const std::vector<Cells>& rows)
{
    details::AddressMap none;
    details::AddressSource addresses = details::AddressSource::TakingFrom(none);
    std::vector<appleMaps::AppleMapsPlaceDisplayItem> items;
    details::ParseAppleMapsPlaceItems(MakeTable(rows), addresses, items);
    return items;
}

int DebugLinesOf(const std::string& function)
{
    const std::vector<test::LogLine> lines = test::ProcessRecordingSink()->Lines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const test::LogLine& line) {
        return line.severity == CryptLog::Debug && line.function == function;
    }));
}

} // namespace

class AppleMapsRowParsersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::ProcessRecordingSink(); }
    void init() { test::ProcessRecordingSink()->Clear(); }

    void coordinateCells_data()
    {
        QTest::addColumn<boost::any>("latitudeCell");
        QTest::addColumn<boost::any>("longitudeCell");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("both axes") << boost::any(55.75) << boost::any(37.62) << 55.75 << 37.62;
        QTest::newRow("latitude at the no-value marker") << boost::any(-180.0) << boost::any(37.62) << -91.0
                                                         << 37.62;
        QTest::newRow("just beside the marker is a value") << boost::any(-180.000001) << boost::any(180.0)
                                                           << -180.000001 << 180.0;
        QTest::newRow("null cells are skipped") << boost::any(SqlNull()) << boost::any(SqlNull()) << -91.0
                                                << -181.0;
        QTest::newRow("integer latitude reads as zero") << boost::any(Int64(55)) << boost::any(37.62) << 0.0
                                                        << 37.62;
        QTest::newRow("zero is a position") << boost::any(0.0) << boost::any(0.0) << 0.0 << 0.0;
    }

    void coordinateCells()
    {
        QFETCH(boost::any, latitudeCell);
        QFETCH(boost::any, longitudeCell);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const auto items = ParsePlaces({PlaceRow("p", Int64(1), latitudeCell, longitudeCell)});
        QCOMPARE(items.size(), std::size_t(1));
        QCOMPARE(items[0].placePoint.latitude, latitude);
        QCOMPARE(items[0].placePoint.longitude, longitude);
        QCOMPARE(items[0].placePoint.altitude, 0.0);
    }

    void timestampCells_data()
    {
        QTest::addColumn<boost::any>("cell");
        QTest::addColumn<QString>("time");
        QTest::newRow("zero is no time") << boost::any(Int64(0)) << "";
        QTest::newRow("null is no time") << boost::any(SqlNull()) << "";
        QTest::newRow("seconds since 1970") << boost::any(Int64(1500000000)) << "2017-07-14T02:40:00Z";
        QTest::newRow("float is truncated") << boost::any(1500000000.9) << "2017-07-14T02:40:00Z";
        QTest::newRow("negative wraps to unsigned 32 bits") << boost::any(Int64(-1)) << "2106-02-07T06:28:15Z";
        QTest::newRow("only the low 32 bits count") << boost::any(Int64(0x100000005)) << "1970-01-01T00:00:05Z";
        QTest::newRow("whole value decides, not its low bits") << boost::any(Int64(0x100000000))
                                                          << "1970-01-01T00:00:00Z";
    }

    void timestampCells()
    {
        QFETCH(boost::any, cell);
        QFETCH(QString, time);
        const auto items = ParsePlaces({PlaceRow("p", cell)});
        QCOMPARE(items.size(), std::size_t(1));
        QCOMPARE(items[0].timestamp.isNull(), time.isEmpty());
        if (!time.isEmpty()) {
            QCOMPARE(items[0].timestamp.timeSpec(), Qt::UTC);
            QCOMPARE(items[0].timestamp.toString(Qt::ISODate), time);
        }
    }

    void transportTypes_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("drive") << qint64(0) << "Drive";
        QTest::newRow("transit") << qint64(1) << "Transit";
        QTest::newRow("walk") << qint64(2) << "Walk";
        QTest::newRow("unknown") << qint64(3) << "";
        QTest::newRow("large value does not alias drive") << qint64(4294967296) << "";
    }

    void transportTypes()
    {
        QFETCH(qint64, stored);
        QFETCH(QString, text);
        QCOMPARE(details::TransportTypeToString(stored), text);
        const std::string unexpected = "Unexpected transport type " + std::to_string(stored);
        const std::vector<test::LogLine> lines = test::ProcessRecordingSink()->Lines();
        const bool logged = std::any_of(lines.begin(), lines.end(),
                                        [&](const test::LogLine& line) { return line.message == unexpected; });
        QCOMPARE(logged, text.isEmpty());
    }

    // Every column lands in its field: one row per converter, each cell a value of its own.
    void columnsFillTheirFields_data()
    {
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("fields");
        QTest::newRow("addresses") << "addresses" << "Russia|RU|Moscow|MOW|Moskva|101000|Tverskaya|7|0";
        QTest::newRow("place bookmarks") << "place bookmarks"
                                         << "60|Home|37,55|tel|fax|url|name|38,56|no route|Place|1 addresses";
        QTest::newRow("route bookmarks") << "route bookmarks"
                                         << "60||37,55|tel|fax|url|name|-181,-91|30,50 -181,-91|Route|1 addresses";
        QTest::newRow("query searches") << "query searches" << "60|coffee|Moscow|37.2,55.1|37.8,55.9";
        QTest::newRow("directions searches") << "directions searches"
                                             << "60|Transit|37,55|35,56|tel|fax|url|name|1 addresses";
    }

    void columnsFillTheirFields()
    {
        QFETCH(QString, converter);
        QFETCH(QString, fields);
        details::AddressMap map;
        map.Add("id", cmn::Address());
        details::AddressSource addresses = details::AddressSource::TakingFrom(map);
        const auto point = [](const location::Coordinates& at) {
            return QString("%1,%2").arg(at.longitude).arg(at.latitude);
        };
        const auto time = [](const QDateTime& at) { return QString::number(at.toSecsSinceEpoch()); };
        const auto count = [](const auto& addresses) { return QString("%1 addresses").arg(addresses.size()); };
        appleMaps::AppleMapsRecords records;
        QStringList read;
        if (converter == "addresses") {
            details::AddressMap parsed;
            details::ParseAppleMapsAddresses(MakeTable({{Text("id"), Text("Russia"), Text("RU"), Text("Moscow"),
                                                         Text("MOW"), Text("Moskva"), Text("101000"),
                                                         Text("Tverskaya"), Text("7")}}),
                                             parsed);
            const cmn::Address a = parsed.Hand(parsed.Find("id")).at(0);
            read << a.country << a.countryCode << a.administrativeArea << a.administrativeAreaCode << a.locality
                 << a.postCode << a.thoroughfare << a.subThoroughfare << QString::number(a.resolutionState);
        } else if (converter == "place bookmarks" || converter == "route bookmarks") {
            if (converter == "place bookmarks")
                details::ParseAppleMapsPlaceBookmarks(MakeTable({{Text("id"), Int64(60), Text("Home"), 55.0, 37.0,
                                                                  Text("tel"), Text("fax"), Text("url"),
                                                                  Text("name"), 56.0, 38.0}}),
                                                      addresses, records.bookmarks);
            else
                details::ParseAppleMapsRouteBookmarks(MakeTable({{Text("id"), Int64(60), 55.0, 37.0, Text("tel"),
                                                                  Text("fax"), Text("url"), Text("name"), 50.0,
                                                                  30.0, -180.0, SqlNull()}}),
                                                      addresses, records.bookmarks);
            const appleMaps::AppleMapsPlaceBookmarkItem& item = records.bookmarks.at(0);
            QStringList route;
            for (const location::Coordinates& at : item.route)
                route << point(at);
            read << time(item.timestamp) << item.title << point(item.placePoint) << item.telephone << item.fax
                 << item.url << item.name << point(item.droppedPin)
                 << (route.isEmpty() ? "no route" : route.join(' ')) << item.type << count(item.addresses);
        } else if (converter == "query searches") {
            details::ParseAppleMapsQuerySearchItems(
                MakeTable({{Int64(60), Text("coffee"), Text("Moscow"), 55.1, 37.2, 55.9, 37.8}}),
                records.querySearches);
            const appleMaps::AppleMapsHistoryQuerySearchItem& item = records.querySearches.at(0);
            read << time(item.timestamp) << item.query << item.locationDisplayString << point(item.mapRegion.southWest)
                 << point(item.mapRegion.northEast);
        } else {
            details::ParseAppleMapsDirecrionsSearchesItems(MakeTable({{Text("id"), Int64(60), Int64(1), Text("tel"),
                                                                       Text("fax"), Text("url"), Text("name"), 55.0,
                                                                       37.0, 56.0, 35.0}}),
                                                           addresses, records.directionSearches);
            const appleMaps::AppleMapsDirectionSearchItem& item = records.directionSearches.at(0);
            read << time(item.timestamp) << item.transportType << point(item.startPoint) << point(item.endPoint)
                 << item.telephone << item.fax << item.url << item.name << count(item.addresses);
        }
        QCOMPARE(read.join('|'), fields);
    }

    // A result too narrow for its statement stands for any row that fails to convert: each is
    // logged under its converter and left out, and the loop goes on.
    void badRowIsSkippedAndLogged()
    {
        const auto table = [] { return MakeTable({{Text("x")}, {Text("x")}, {Text("x")}}); };
        details::AddressMap addresses;
        details::ParseAppleMapsAddresses(table(), addresses);
        details::AddressSource source = details::AddressSource::TakingFrom(addresses);
        std::vector<appleMaps::AppleMapsPlaceDisplayItem> places;
        details::ParseAppleMapsPlaceItems(table(), source, places);
        QCOMPARE(addresses.Count() + places.size(), std::size_t(0));
        QCOMPARE(DebugLinesOf("appleMaps::details::ParseAppleMapsAddresses"), 3);
        QCOMPARE(DebugLinesOf("appleMaps::details::ParseAppleMapsPlaceItems"), 3);
    }
};

MAPS_TEST_CLASS(AppleMapsRowParsersTest);
#include "tst_AppleMapsRowParsers.moc"
