#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Every shipped language is whole: lupdate, run over the sources, finds every text of the
# program already in each catalogue, translated (nothing unfinished, nothing vanished), and
# the desktop entry and the software centre's summary speak each language too.
#   translations.sh SOURCE_DIR LUPDATE
set -euo pipefail
src=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
for ts in "$src"/translations/plumwick_*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  (cd "$src" && "$lupdate" -silent -extensions cpp,h -locations none -no-obsolete src -ts "$copy")
  if ! cmp -s "$ts" "$copy"; then
    echo "FAIL: $(basename "$ts") is not up to date with the sources (run lupdate, then translate):" >&2
    diff "$ts" "$copy" | head -20 >&2
    fail=1
  fi
  if grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$copy" >&2; then
    echo "FAIL: $(basename "$ts") has texts left untranslated" >&2
    fail=1
  fi
  language=$(basename "$ts" .ts)
  language=${language#plumwick_}
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$src/data/plumwick.desktop" ||
      { echo "FAIL: the desktop entry has no $key[$language]" >&2; fail=1; }
  done
  grep -q "<summary xml:lang=\"$language\">" "$src/data/plumwick.metainfo.xml.in" ||
    { echo "FAIL: the metainfo has no summary in $language" >&2; fail=1; }
done
[ $fail -eq 0 ] && echo "translations: passed"
exit $fail
