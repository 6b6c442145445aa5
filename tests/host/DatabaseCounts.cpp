#include "DatabaseCounts.h"

#include <QFile>
#include <QTest>

#include <sqlite3.h>

#include <memory>

namespace test {
namespace {

using host::sample::SampleTable;

struct KindColumns {
    SampleTable table;
    const char* name;
    // The columns whose distinct combinations make the kind's records.
    const char* columns;
};

const KindColumns kKinds[] = {
    {SampleTable::Addresses, "Addresses", nullptr},
    {SampleTable::PlaceBookmarks, "PlaceBookmarks",
     "identifier, timestamp, title, place_point_latitude, place_point_longitude, telephone, fax, url, name, "
     "dropped_pin_coordinate_latitude, dropped_pin_coordinate_longitude"},
    {SampleTable::RouteBookmarks, "RouteBookmarks",
     "identifier, timestamp, place_point_latitude, place_point_longitude, telephone, fax, url, name, "
     "start_point_latitude, start_point_longitude, end_point_latitude, end_point_longitude"},
    {SampleTable::QuerySearches, "QuerySearches",
     "timestamp, query, location_display_string, map_region_south_latitude, map_region_west_longitude, "
     "map_region_north_latitude, map_region_east_longitude"},
    {SampleTable::PlaceDisplays, "PlaceDisplays",
     "identifier, timestamp, place_point_latitude, place_point_longitude, telephone, fax, url, name"},
    {SampleTable::DirectionsSearches, "DirectionsSearches",
     "identifier, timestamp, transport_type, telephone, fax, url, name, start_point_latitude, "
     "start_point_longitude, end_point_latitude, end_point_longitude"},
};

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Connection OpenReadOnly(const QString& databasePath)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    return Connection(db, &sqlite3_close);
}

qint64 Number(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    const qint64 number = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return number;
}

std::uint64_t Count(sqlite3* db, const QString& sql)
{
    const qint64 number = Number(db, sql);
    if (number < 0)
        QTest::qFail(qPrintable(QStringLiteral("%1: %2").arg(sql, QString::fromUtf8(sqlite3_errmsg(db)))), __FILE__,
                     __LINE__);
    return static_cast<std::uint64_t>(qMax<qint64>(number, 0));
}

} // namespace

host::sample::SampleManifest CountDatabase(const QString& databasePath)
{
    host::sample::SampleManifest counts;
    const Connection db = OpenReadOnly(databasePath);
    for (const KindColumns& kind : kKinds) {
        host::sample::SampleTableCounts& table = counts.Counts(kind.table);
        const QString name = QString::fromLatin1(kind.name);
        table.rows = Count(db.get(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(name));
        if (!kind.columns)
            continue;
        table.distinctRows = Count(db.get(), QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM %1 GROUP BY %2)")
                                                 .arg(name, QString::fromLatin1(kind.columns)));
        table.distinctIdentifiers = Count(
            db.get(),
            QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM %1 WHERE identifier IS NOT NULL GROUP BY identifier)")
                .arg(name));
    }
    return counts;
}

qint64 QueryNumber(const QString& databasePath, const QString& sql)
{
    const Connection db = OpenReadOnly(databasePath);
    return Number(db.get(), sql);
}

} // namespace test
