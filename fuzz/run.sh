#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Builds the fuzz targets with clang's libFuzzer and runs each for SECONDS (default 60).
# Findings are written to fuzz/findings/; keep each as a regression case in fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source fuzz/common.sh
fuzz_build
status=0
for target in $FUZZ_TARGETS; do
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$target/." "$work/"
  echo "== fuzz_$target for ${seconds}s"
  rc=0
  ASAN_OPTIONS=detect_leaks=0 "build-fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 -artifact_prefix="fuzz/findings/${target}-" \
    "$work" >"$work.log" 2>&1 || rc=$?
  grep -E "stat::number_of_executed_units|ERROR|SUMMARY|Test unit written" "$work.log" || true
  if [ $rc -ne 0 ]; then
    tail -40 "$work.log"
    status=1
  fi
  rm -rf "$work" "$work.log"
done
exit $status
