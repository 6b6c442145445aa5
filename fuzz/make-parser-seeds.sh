#!/usr/bin/env bash
# Writes the seeds of fuzz_parser_database: small Apple Maps databases from `mapsview sample`,
# repacked with 1 KiB pages and short texts so that mutations land on structure, not on text.
#
#   fuzz/make-parser-seeds.sh MAPSVIEW [OUTPUT_FOLDER]
#
# MAPSVIEW is a built mapsview; OUTPUT_FOLDER defaults to fuzz/corpus/fuzz_parser_database.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mapsview=${1:?"usage: $0 MAPSVIEW [output folder]"}
output=${2:-"$root/fuzz/corpus/fuzz_parser_database"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$output"

text_columns=(
  "Addresses:identifier country country_code administrative_area administrative_area_code locality post_code thoroughfare sub_thoroughfare"
  "PlaceBookmarks:identifier title telephone fax url name"
  "RouteBookmarks:identifier telephone fax url name"
  "QuerySearches:identifier query location_display_string"
  "PlaceDisplays:identifier telephone fax url name"
  "DirectionsSearches:identifier telephone fax url name"
)

# seed NAME ROWS [sample options...], with SQL on stdin run after the trimming, before repacking.
seed() {
  local name=$1 rows=$2
  shift 2
  local backup="$work/$name"
  QT_QPA_PLATFORM=offscreen "$mapsview" sample "$backup" --rows "$rows" "$@" >/dev/null
  local database="$backup/AppleMaps/MapsSync.sqlite" sql=""
  for entry in "${text_columns[@]}"; do
    for column in ${entry#*:}; do
      sql+="UPDATE ${entry%%:*} SET $column = substr($column, 1, 40) WHERE length($column) > 40;"
    done
  done
  sqlite3 "$database" "$sql $(cat) PRAGMA page_size = 1024; VACUUM;"
  cp "$database" "$output/$name.sqlite"
}

seed regular 3 --seed 1 </dev/null
seed edge_cases 2 --seed 2 --edge-cases </dev/null
seed no_rows 0 </dev/null
seed missing_table 2 --seed 3 <<<"DROP TABLE DirectionsSearches;"
# Every column holds a storage class the parser does not expect.
seed wrong_types 2 --seed 4 <<'SQL'
UPDATE Addresses SET country = x'00ff10', locality = 7, post_code = 1.5;
UPDATE PlaceBookmarks SET timestamp = 'yesterday', title = x'd800', place_point_latitude = 'north',
  place_point_longitude = x'01', name = 42, dropped_pin_coordinate_latitude = 1e308;
UPDATE RouteBookmarks SET timestamp = 9.2e18, start_point_latitude = '55.7', end_point_longitude = x'';
UPDATE QuerySearches SET timestamp = -9223372036854775808, query = 3.25, map_region_south_latitude = 'x',
  map_region_east_longitude = -1e400;
UPDATE PlaceDisplays SET timestamp = NULL, identifier = 12, place_point_latitude = x'ff';
UPDATE DirectionsSearches SET transport_type = 'Drive', timestamp = 1e20, identifier = x'00',
  start_point_longitude = '';
SQL
ls -l "$output"
