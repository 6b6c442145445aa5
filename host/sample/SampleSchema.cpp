#include "SampleSchema.h"

#include <cstring>
#include <stdexcept>

namespace host::sample {
namespace {

constexpr char kText[] = "TEXT";
constexpr char kInteger[] = "INTEGER";
constexpr char kUntyped[] = "";

std::vector<SampleTableDefinition> MakeDefinitions()
{
    return {
        {"Addresses",
         {{"identifier", kText},
          {"country", kText},
          {"country_code", kText},
          {"administrative_area", kText},
          {"administrative_area_code", kText},
          {"locality", kText},
          {"post_code", kText},
          {"thoroughfare", kText},
          {"sub_thoroughfare", kText}}},
        {"PlaceBookmarks",
         {{"identifier", kText},
          {"timestamp", kInteger},
          {"title", kText},
          {"place_point_latitude", kUntyped},
          {"place_point_longitude", kUntyped},
          {"telephone", kText},
          {"fax", kText},
          {"url", kText},
          {"name", kText},
          {"dropped_pin_coordinate_latitude", kUntyped},
          {"dropped_pin_coordinate_longitude", kUntyped}}},
        {"RouteBookmarks",
         {{"identifier", kText},
          {"timestamp", kInteger},
          {"place_point_latitude", kUntyped},
          {"place_point_longitude", kUntyped},
          {"telephone", kText},
          {"fax", kText},
          {"url", kText},
          {"name", kText},
          {"start_point_latitude", kUntyped},
          {"start_point_longitude", kUntyped},
          {"end_point_latitude", kUntyped},
          {"end_point_longitude", kUntyped}}},
        {"QuerySearches",
         {{"identifier", kText},
          {"timestamp", kInteger},
          {"query", kText},
          {"location_display_string", kText},
          {"map_region_south_latitude", kUntyped},
          {"map_region_west_longitude", kUntyped},
          {"map_region_north_latitude", kUntyped},
          {"map_region_east_longitude", kUntyped}}},
        {"PlaceDisplays",
         {{"identifier", kText},
          {"timestamp", kInteger},
          {"place_point_latitude", kUntyped},
          {"place_point_longitude", kUntyped},
          {"telephone", kText},
          {"fax", kText},
          {"url", kText},
          {"name", kText}}},
        {"DirectionsSearches",
         {{"identifier", kText},
          {"timestamp", kInteger},
          {"transport_type", kInteger},
          {"telephone", kText},
          {"fax", kText},
          {"url", kText},
          {"name", kText},
          {"start_point_latitude", kUntyped},
          {"start_point_longitude", kUntyped},
          {"end_point_latitude", kUntyped},
          {"end_point_longitude", kUntyped}}},
    };
}

} // namespace

const SampleTableDefinition& TableDefinition(SampleTable table)
{
    static const std::vector<SampleTableDefinition> definitions = MakeDefinitions();
    return definitions.at(static_cast<std::size_t>(table));
}

std::string CreateTableStatement(SampleTable table)
{
    const SampleTableDefinition& definition = TableDefinition(table);
    std::string sql = std::string("CREATE TABLE ") + definition.name + " (";
    const char* separator = "";
    for (const SampleColumn& column : definition.columns) {
        sql += separator;
        sql += column.name;
        if (*column.declaredType)
            sql += std::string(" ") + column.declaredType;
        separator = ", ";
    }
    return sql + ")";
}

std::string InsertStatement(SampleTable table)
{
    const SampleTableDefinition& definition = TableDefinition(table);
    std::string sql = std::string("INSERT INTO ") + definition.name + " VALUES (";
    for (std::size_t index = 0; index < definition.columns.size(); ++index)
        sql += index == 0 ? "?" : ", ?";
    return sql + ")";
}

SampleRow::SampleRow(SampleTable table)
    : m_table(table)
    , m_cells(TableDefinition(table).columns.size())
{
}

void SampleRow::Set(const char* column, SampleCell value)
{
    m_cells[IndexOf(column)] = std::move(value);
}

const SampleCell& SampleRow::Get(const char* column) const
{
    return m_cells[IndexOf(column)];
}

std::size_t SampleRow::IndexOf(const char* column) const
{
    const std::vector<SampleColumn>& columns = TableDefinition(m_table).columns;
    for (std::size_t index = 0; index < columns.size(); ++index) {
        if (std::strcmp(columns[index].name, column) == 0)
            return index;
    }
    throw std::out_of_range(std::string("no column ") + column + " in " + TableDefinition(m_table).name);
}

} // namespace host::sample
