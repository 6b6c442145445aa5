#!/usr/bin/env bash
# Installs what is missing, builds, writes the built-in sample backup if absent, and runs the
# headless job on it: summary, the KML of each kind and the xlsx report, all under out/.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/build.sh "$@"
build_dir=${BUILD_DIR:-build}
mapsview="$build_dir/bin/mapsview"
backup=out/sample-backup
export appdata=${appdata:-$PWD/out/appdata}

[ -f "$backup/icloud_synced.xml" ] || "$mapsview" sample "$backup"
"$mapsview" summary "$backup" | tee out/summary.json
for kind in searches favorites explored directions; do
  "$mapsview" export-kml "$backup" "$kind" "out/$kind.kml"
done
"$mapsview" export-report "$backup" out/report.xlsx
echo "Sample backup: $backup; summary, KML files and report.xlsx: out/; log and settings: $appdata"
