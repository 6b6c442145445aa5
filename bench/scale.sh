#!/usr/bin/env bash
# End-to-end figures on a large sample backup, each step in a process of its own as a user runs
# it: wall time and peak resident memory (GNU time), then the in-process view figures.
#
#   bench/scale.sh [ROWS_PER_KIND] [BACKUP_DIR]     defaults: 1000000, out/scale-backup
set -euo pipefail
cd "$(dirname "$0")/.."

rows=${1:-1000000}
backup=${2:-out/scale-backup}
export BUILD_DIR=build-bench
./scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DMAPS_BUILD_TESTS=OFF -DMAPS_BUILD_BENCHMARKS=ON
mapsview="$BUILD_DIR/bin/mapsview"
results=out/scale
mkdir -p "$results"
export appdata="$PWD/$results/appdata"

[ -f "$backup/icloud_synced.xml" ] || "$mapsview" sample "$backup" --rows "$rows"

echo "| step | seconds | peak MB |"
echo "|---|---:|---:|"
measure() {
  local step=$1
  shift
  /usr/bin/time -f "%e %M" -o "$results/time.txt" "$@" >"$results/stdout.txt" 2>"$results/stderr.txt" \
    || { echo "| $step | failed: see $results/stderr.txt | |"; return; }
  read -r seconds kilobytes <"$results/time.txt"
  echo "| $step | $seconds | $((kilobytes / 1024)) |"
}
measure "summary (copy, count, parse)" "$mapsview" summary "$backup"
for kind in searches favorites explored directions; do
  measure "export-kml $kind" "$mapsview" export-kml "$backup" "$kind" "$results/$kind.kml"
done
measure "export-report (xlsx)" "$mapsview" export-report "$backup" "$results/report.xlsx"
measure "show: parse to first page shown" "$mapsview" show "$backup" --screenshot "$results/window.png" --category 1
measure "show: first page, then search \"Paris\"" \
  "$mapsview" show "$backup" --screenshot "$results/window-search.png" --category 1 --search Paris

echo
"$BUILD_DIR/bin/bench_stop" "$backup"
echo
"$BUILD_DIR/bin/bench_views" --benchmark_counters_tabular=true
