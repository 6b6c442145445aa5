#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and AddressSanitizer in build-fuzz, then runs one.
#
#   scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options...]
#
# TARGET is fuzz_binary_plist, fuzz_descriptor, fuzz_parser_database, fuzz_kml_writer or
# fuzz_text_searcher; SECONDS defaults to 60. The run starts from the committed seeds in
# fuzz/corpus/TARGET (never written) and keeps what it learns in build-fuzz/corpus/TARGET;
# crashing inputs land in build-fuzz/findings/TARGET/. A dictionary fuzz/TARGET.dict, where there is one, is passed on.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
target=${1:?"usage: $0 fuzz_binary_plist|fuzz_descriptor|fuzz_parser_database|fuzz_kml_writer|fuzz_text_searcher [seconds] [libFuzzer options...]"}
seconds=${2:-60}
shift
[ $# -gt 0 ] && shift

# clang and its libFuzzer runtime; the build's own packages come from scripts/install-deps.sh.
"$root/scripts/install-deps.sh"
fuzz_packages=(clang libclang-rt-14-dev)
missing=()
for package in "${fuzz_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMAPS_BUILD_TESTS=OFF \
  -DMAPS_BUILD_FUZZERS=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer"
cmake --build "$build" --target "$target"

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
dictionary=()
[ -f "$root/fuzz/$target.dict" ] && dictionary=(-dict="$root/fuzz/$target.dict")
exec "$build/bin/$target" "$corpus" "$root/fuzz/corpus/$target" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" -print_final_stats=1 "${dictionary[@]}" "$@"
