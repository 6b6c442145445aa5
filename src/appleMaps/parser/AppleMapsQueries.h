#pragma once

// The statements the parser runs; the whitespace inside them has no meaning.
namespace appleMaps::queries {

// Distinct identifiers over all five record tables. Searches are counted by identifier but read
// as distinct rows without it, so the size and the number of searches can differ.
constexpr char Size[] = "SELECT "
                        "(SELECT COUNT(DISTINCT identifier) FROM QuerySearches) + "
                        "(SELECT COUNT(DISTINCT identifier) FROM PlaceBookmarks) + "
                        "(SELECT COUNT(DISTINCT identifier) FROM PlaceDisplays) + "
                        "(SELECT COUNT(DISTINCT identifier) FROM DirectionsSearches) + "
                        "(SELECT COUNT(DISTINCT identifier) FROM RouteBookmarks)";
// The tables whose identifiers Size counts.
constexpr const char* SizeTables[] = {"QuerySearches", "PlaceBookmarks", "PlaceDisplays", "DirectionsSearches",
                                      "RouteBookmarks"};

constexpr char Addresses[] = "SELECT identifier, country, country_code, administrative_area, administrative_area_code\n"
                             "     , locality, post_code, thoroughfare, sub_thoroughfare\n"
                             "FROM Addresses";

constexpr char PlaceBookmarks[] = "SELECT DISTINCT identifier, timestamp, title, place_point_latitude\n"
                                  "     , place_point_longitude, telephone, fax, url, name, dropped_pin_coordinate_latitude\n"
                                  "     , dropped_pin_coordinate_longitude\n"
                                  "FROM PlaceBookmarks";

constexpr char RouteBookmarks[] = "SELECT DISTINCT identifier, timestamp, place_point_latitude, place_point_longitude\n"
                                  "     , telephone, fax, url, name, start_point_latitude, start_point_longitude\n"
                                  "     , end_point_latitude, end_point_longitude\n"
                                  "FROM RouteBookmarks";

constexpr char QuerySearches[] = "SELECT DISTINCT timestamp, query, location_display_string, map_region_south_latitude\n"
                                 "     , map_region_west_longitude, map_region_north_latitude\n"
                                 "     , map_region_east_longitude\n"
                                 "FROM QuerySearches";

constexpr char PlaceDisplays[] = "SELECT DISTINCT identifier, timestamp, place_point_latitude, place_point_longitude\n"
                                 "     , telephone, fax, url, name\n"
                                 "FROM PlaceDisplays";

constexpr char DirectionsSearches[] = "SELECT DISTINCT identifier, timestamp, transport_type\n"
                                      "     , telephone, fax, url, name, start_point_latitude, start_point_longitude,\n"
                                      "       end_point_latitude, end_point_longitude\n"
                                      "FROM DirectionsSearches";

} // namespace appleMaps::queries
