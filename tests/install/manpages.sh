#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# The manual pages made from --help render without a warning, and name every option.
#   manpages.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"
build=$1
command -v groff >/dev/null || skip_missing "groff is not installed"
[ -f "$build/plumwick-print.1.gz" ] || skip_missing "no manual pages (help2man is not installed)"
for page in plumwick plumwick-print; do
  text=$(zcat "$build/$page.1.gz")
  warnings=$(groff -man -Tutf8 -ww -z <<<"$text" 2>&1)
  [ -z "$warnings" ] || { echo "FAIL: $page(1): $warnings" >&2; exit 1; }
  rendered=$(groff -man -Tutf8 <<<"$text" 2>/dev/null | sed 's/.\x08//g')
  for section in NAME FILES "EXIT STATUS" "SEE ALSO"; do
    grep -q "^$section" <<<"$rendered" || { echo "FAIL: $page(1) has no $section" >&2; exit 1; }
  done
done
# Every option of plumwick-print is in its page.
rendered=$(zcat "$build/plumwick-print.1.gz" | groff -man -Tutf8 2>/dev/null | sed 's/.\x08//g')
for option in --output --printer --cards --per-page --size --paper --call-list --seed --numbered --game --check --pattern; do
  grep -q -- "$option" <<<"$rendered" || { echo "FAIL: plumwick-print(1) lacks $option" >&2; exit 1; }
done
echo "manpages: passed"
