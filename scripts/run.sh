#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/build.sh "$@"
build_dir=${BUILD_DIR:-build}
echo "Built into $build_dir/bin:"
ls "$build_dir/bin"
