#!/usr/bin/env bash
# Builds the test suites with ThreadSanitizer into build-tsan (or $BUILD_DIR) and runs those that
# drive more than one thread: parse and view shutdown, the export task, logging, the journal.
#
#   scripts/tsan.sh [SUITE...]     the suites below unless named
#
# Qt and the system libraries are not instrumented; tests/tsan.supp says what is ignored and why.
# tst_host is left out: where a worker posts to the window (progress, the page's blocking shutdown)
# every report is a memmove inside Qt's event queue on both sides, under a mutex Qt takes inline
# where the sanitizer cannot see it, and Debian's Qt has no symbols to suppress just that by name.
set -euo pipefail
cd "$(dirname "$0")/.."

suites=(
  tst_plugin
  tst_parser
  tst_appleMapsUi
  tst_core
  tst_CryptLog
)
[ $# -eq 0 ] || suites=("$@")

export BUILD_DIR=${BUILD_DIR:-build-tsan}
exec ./scripts/sanitize.sh thread "^($(IFS='|'; echo "${suites[*]}"))\$"
