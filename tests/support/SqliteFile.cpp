#include "SqliteFile.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace test {

SqliteFile::SqliteFile(const QString& path)
{
    if (sqlite3_open(path.toUtf8().constData(), &m_db) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(m_db);
        sqlite3_close(m_db);
        throw std::runtime_error(message);
    }
}

SqliteFile::~SqliteFile()
{
    sqlite3_close(m_db);
}

void SqliteFile::Execute(const QString& sql) const
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "sqlite3_exec failed";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

void CreateAppleMapsTables(const SqliteFile& file)
{
    file.Execute(QStringLiteral(
        "CREATE TABLE Addresses (identifier, country, country_code, administrative_area,"
        " administrative_area_code, locality, post_code, thoroughfare, sub_thoroughfare);"
        "CREATE TABLE PlaceBookmarks (identifier, timestamp, title, place_point_latitude, place_point_longitude,"
        " telephone, fax, url, name, dropped_pin_coordinate_latitude, dropped_pin_coordinate_longitude);"
        "CREATE TABLE RouteBookmarks (identifier, timestamp, place_point_latitude, place_point_longitude,"
        " telephone, fax, url, name, start_point_latitude, start_point_longitude, end_point_latitude,"
        " end_point_longitude);"
        "CREATE TABLE QuerySearches (identifier, timestamp, query, location_display_string,"
        " map_region_south_latitude, map_region_west_longitude, map_region_north_latitude,"
        " map_region_east_longitude);"
        "CREATE TABLE PlaceDisplays (identifier, timestamp, place_point_latitude, place_point_longitude,"
        " telephone, fax, url, name);"
        "CREATE TABLE DirectionsSearches (identifier, timestamp, transport_type, telephone, fax, url, name,"
        " start_point_latitude, start_point_longitude, end_point_latitude, end_point_longitude);"));
}

} // namespace test
