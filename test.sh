#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Installs what is missing, builds everything and runs every test.
#   ./test.sh             Release build in build/
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer build in build-sanitize/
# Run as root, it also starts a CUPS scheduler with a cups-pdf queue "PDF" for the test of
# the real printing route, and stops it again afterwards.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

mode=release
[ "${1:-}" = "--sanitize" ] && mode=sanitize

plumwick_install_missing cups cups-client printer-driver-cups-pdf appstream help2man groff-base lintian \
  at-spi2-core python3-pyatspi dbus dbus-x11 orca reuse chromium chromium-driver python3-selenium


if [ $mode = sanitize ]; then
  dir=build-sanitize
  plumwick_build "$dir" -DPLUMWICK_SANITIZE=ON -DPLUMWICK_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
  # (No strict_string_checks: libxkbcommon-x11 strndup()s counted, unterminated X replies.)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
  export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer-suppressions.txt:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  dir=build
  plumwick_build "$dir"
fi

# The accessibility checker the browser test puts into the exported pages, from the npm
# registry, installed in the build folder as tests/browser/package-lock.json pins it.
command -v npm >/dev/null || plumwick_install_missing npm
if [ ! -f "$dir/browser/node_modules/axe-core/axe.min.js" ]; then
  mkdir -p "$dir/browser"
  cp tests/browser/package.json tests/browser/package-lock.json "$dir/browser/"
  (cd "$dir/browser" && npm ci --no-audit --no-fund --silent)
fi

source scripts/cups.sh
plumwick_start_cups
trap plumwick_stop_cups EXIT

# Every tool a test needs is installed above: a test that finds one missing fails instead of
# skipping (the package build, whose Build-Depends leave some out, still skips them).
export PLUMWICK_REQUIRE_TOOLS=1
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
