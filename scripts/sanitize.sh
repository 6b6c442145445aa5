#!/usr/bin/env bash
# Builds the test suites with sanitizers into their own folder and runs them; any report fails the run.
#
#   scripts/sanitize.sh SANITIZERS [CTEST_REGEX]
#
# SANITIZERS is what -fsanitize takes (address,undefined or thread). The folder is $BUILD_DIR, by
# default build-SANITIZERS with dashes for commas. Only the suites and what they run are built:
# all of them, or those $SANITIZE_TARGETS names (separated by blanks).
set -euo pipefail
cd "$(dirname "$0")/.."

sanitizers=${1:?"usage: $0 address,undefined|thread [ctest regex]"}
regex=${2:-}
build_dir=${BUILD_DIR:-build-${sanitizers//,/-}}

# -O1 keeps the suites quick while the stacks stay readable; Debug keeps Q_ASSERT and assert on.
for target in ${SANITIZE_TARGETS:-maps_tests}; do
  BUILD_DIR="$build_dir" BUILD_TARGET="$target" ./scripts/build.sh \
    -DMAPS_SANITIZE="$sanitizers" -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1"
done
ctest --test-dir "$build_dir" --output-on-failure ${regex:+-R "$regex"}
