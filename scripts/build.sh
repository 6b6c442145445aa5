#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or $BUILD_DIR); extra arguments
# go to cmake. BUILD_TARGET builds one target instead of all.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

# Let clones in other folders reuse each other's compiler cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
