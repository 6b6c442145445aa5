#!/usr/bin/env bash
# Installs what is missing, builds, writes the built-in sample backup if absent, and opens the
# viewer on it. Without a display it runs the headless job instead: summary, the KML of each kind,
# the xlsx report and a screenshot of each category page, all under out/.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/build.sh "$@"
build_dir=${BUILD_DIR:-build}
mapsview="$build_dir/bin/mapsview"
backup=out/sample-backup
export appdata=${appdata:-$PWD/out/appdata}

[ -f "$backup/icloud_synced.xml" ] || "$mapsview" sample "$backup"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the viewer on $backup; log and settings: $appdata"
  exec "$mapsview" show "$backup"
fi

"$mapsview" summary "$backup" | tee out/summary.json
for kind in searches favorites explored directions; do
  "$mapsview" export-kml "$backup" "$kind" "out/$kind.kml"
done
"$mapsview" export-report "$backup" out/report.xlsx
for category in 0 1 2 3; do
  "$mapsview" show "$backup" --screenshot "out/window-$category.png" --category "$category"
done
echo "No display: sample backup $backup; summary.json, the KML files, report.xlsx and"
echo "window-0..3.png (the viewer's window on each category) in out/; log and settings in $appdata"
