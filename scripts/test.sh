#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/build.sh "$@"
build_dir=${BUILD_DIR:-build}
ctest --test-dir "$build_dir" --output-on-failure
