#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Builds the Debian package twice, from clones in two different folders at two different
# times, and compares the packages byte for byte (diffoscope shows any difference). Slow (two
# whole builds with their tests): run by hand before a release, not by ./test.sh.
#   scripts/check-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in dpkg-buildpackage dh git; do
  command -v "$tool" >/dev/null || { echo "needs $tool (Debian: dpkg-dev, debhelper, git)" >&2; exit 2; }
done
# The date of the newest release: every timestamp in the package comes from it.
export SOURCE_DATE_EPOCH=$(date -d "$(sed -n '1s/^Plumwick [^ ]* (\([0-9-]*\).*/\1/p' NEWS) 12:00 UTC" +%s)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in 1 2; do
  git clone -q . "$work/$n/plumwick-source-$n"
  (cd "$work/$n/plumwick-source-$n" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b >"$work/$n.log" 2>&1) ||
    { tail -30 "$work/$n.log"; echo "FAIL: build $n" >&2; exit 1; }
  sleep 2 # the second build at another time
done
one=$(ls "$work"/1/*.deb | grep -v dbgsym)
two=$(ls "$work"/2/*.deb | grep -v dbgsym)
if cmp -s "$one" "$two"; then
  echo "reproducible: $(basename "$one") is byte-identical from both builds ($(stat -c %s "$one") bytes)"
  exit 0
fi
echo "FAIL: the packages differ" >&2
command -v diffoscope >/dev/null && diffoscope "$one" "$two" | head -60 >&2
exit 1
