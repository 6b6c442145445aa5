#!/usr/bin/env bash
# Builds the Debian package from build/ (or $BUILD_DIR) and checks it without installing it: its
# fields and file list, then the programs extracted into a temporary folder run headless there,
# with an appdata and a TMPDIR of their own. Nothing is installed into the system.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=${BUILD_DIR:-build}

BUILD_DIR="$build_dir" ./scripts/build.sh
build_dir=$(cd "$build_dir" && pwd)
rm -f "$build_dir"/mapsview_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(echo "$build_dir"/mapsview_*.deb)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "package-check: $*" >&2
  exit 1
}

version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "mapsview_${version}_$(dpkg --print-architecture).deb" ] || fail "unexpected name $deb"
for field in Description Section Maintainer Depends; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field field"
done
# One library the scan must find, one package it cannot see.
for dependency in libqt5widgets5 qml-module-qtquick2; do
  dpkg-deb -f "$deb" Depends | grep -qw "$dependency" || fail "Depends lacks $dependency"
done

# Exactly these files: nothing of the tests, benchmarks, fuzzers or developer tools.
expected_files="./usr/bin/maps-decrypt-log
./usr/bin/mapsview
./usr/lib/mapsview/Plugins/JournalPlugIn.so
./usr/lib/mapsview/mapsview
./usr/lib/mapsview/plugins/AppleMapsMap.so
./usr/lib/mapsview/plugins/AppleMapsPlugIn.so
./usr/share/applications/mapsview.desktop
./usr/share/doc/mapsview/README.md
./usr/share/doc/mapsview/changelog.gz
./usr/share/doc/mapsview/copyright
./usr/share/icons/hicolor/scalable/apps/mapsview.svg
./usr/share/man/man1/maps-decrypt-log.1.gz
./usr/share/man/man1/mapsview.1.gz"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
[ "$files" = "$expected_files" ] || fail "files differ from the expected ones:
$(diff <(echo "$expected_files") <(echo "$files") || true)"

installed="$work/root"
dpkg-deb -x "$deb" "$installed"
desktop-file-validate "$installed/usr/share/applications/mapsview.desktop"
if grep -rlF -e "$source_dir" -e "$build_dir" "$installed"; then
  fail "the files above name a path of the build machine"
fi

export appdata="$work/appdata" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$appdata" "$TMPDIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY
mapsview="$installed/usr/bin/mapsview"

# Runs a program of the package; its standard error (journal lines) is shown only when it fails.
run() {
  "$@" 2>"$work/stderr" || fail "$* failed: $(cat "$work/stderr")"
}

[ "$(run "$mapsview" --version)" = "mapsview $version" ] || fail "mapsview --version does not say $version"
written=$(run "$mapsview" sample "$work/backup" --rows 50)
summary=$(run "$mapsview" summary "$work/backup")
# Both lines end in the size and the counts of each kind.
[ "${summary#*\"size\"}" = "${written#*\"size\"}" ] || fail "summary $summary does not match the sample $written"
run "$mapsview" show "$work/backup" --screenshot "$work/window.png" --category 1
[ "$(head -c 8 "$work/window.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "no PNG screenshot"
run "$installed/usr/bin/maps-decrypt-log" "$appdata/Halvenrod/Mirrowdale/ULQ.log" "$work/log.txt"
grep -q "Apple Maps" "$work/log.txt" || fail "the decrypted log does not name the plug-in"
[ -z "$(ls -A "$TMPDIR")" ] || fail "temporary files left behind: $(ls -A "$TMPDIR")"

echo "package-check: $(basename "$deb") holds the expected files, which run where they were extracted"
