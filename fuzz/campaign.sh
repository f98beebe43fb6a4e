#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# A longer fuzzing campaign: runs each target for SECONDS (default 600), one after another,
# then minimises what it found into fuzz/corpus/<target> (-merge=1), so that the short CI
# runs start where the campaign ended. Commit fuzz/corpus afterwards. A crash stops the
# campaign with the finding in fuzz/findings/: keep it as a named corpus case and a test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
source fuzz/common.sh
fuzz_build
export ASAN_OPTIONS=detect_leaks=0
for target in ${TARGETS:-$FUZZ_TARGETS}; do
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$target/." "$work/"
  echo "== fuzz_$target for ${seconds}s"
  "build-fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="fuzz/findings/${target}-" "$work" 2>&1 |
    grep -E "stat::number_of_executed_units|stat::new_units_added|ERROR|SUMMARY|Test unit written" || true
  merged=$(mktemp -d)
  "build-fuzz/fuzz_$target" -merge=1 -max_len=4096 "$merged" "fuzz/corpus/$target" "$work" >/dev/null 2>&1
  # Named cases stay as they are; the rest of the corpus is what the merge kept.
  find "fuzz/corpus/$target" -maxdepth 1 -type f -regextype posix-extended -regex '.*/[0-9a-f]{40}' -delete
  cp -n "$merged"/* "fuzz/corpus/$target/" 2>/dev/null || true
  echo "   corpus: $(ls "fuzz/corpus/$target" | wc -l) files"
  rm -rf "$work" "$merged"
done
