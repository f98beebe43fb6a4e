#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# The Debian package as `cpack -G DEB` makes it: lintian reports no error, and the programs
# run from a scratch root it is unpacked into.
#   package.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || skip_missing "$tool is not installed"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/plumwick_*_*.deb)
version=$(sed -n '1s/^Plumwick \([^ ]*\) .*/\1/p' "$(dirname "$0")/../../NEWS") # the newest release
[ "$(basename "$deb")" = "plumwick_${version}_$(dpkg --print-architecture).deb" ] || fail "package named $(basename "$deb")"
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/plumwick usr/bin/plumwick-print usr/share/doc/plumwick/help.html \
         usr/share/applications/example.plumwick.plumwick.desktop usr/share/icons/hicolor/256x256/apps/plumwick.png \
         usr/share/mime/packages/plumwick.xml usr/share/metainfo/example.plumwick.plumwick.metainfo.xml \
         usr/share/man/man1/plumwick.1.gz usr/share/man/man1/plumwick-print.1.gz \
         usr/share/bash-completion/completions/plumwick-print usr/share/doc/plumwick/copyright \
         "usr/share/plumwick/SampleLists/Numbers 1 to 75.pwk"; do
  grep -qF "./$f" <<<"$contents" || fail "$f is not in the package"
done
# The speech engine's weight is a suggestion only.
dpkg-deb -f "$deb" Suggests | grep -q qt6-speech-flite-plugin || fail "the speech engine is not suggested"
dpkg-deb -f "$deb" Recommends | grep -q flite && fail "the speech engine is still recommended"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 fonts-liberation fonts-comic-neue; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
if command -v lintian >/dev/null; then
  lintian "$deb" >"$work/lintian.log" 2>&1 || true
  if grep -q '^E:' "$work/lintian.log"; then cat "$work/lintian.log"; fail "lintian reports errors"; fi
else
  echo "note: lintian is not installed; the package was not checked by it"
fi
dpkg -x "$deb" "$work/root"
out=$("$work/root/usr/bin/plumwick-print" --version)
[ "$out" = "plumwick-print $version" ] || fail "--version says $out"
export XDG_DATA_HOME=$work/home QT_QPA_PLATFORM=offscreen
"$work/root/usr/bin/plumwick-print" -q --seed 1 -o "$work/card.pdf" "$work/root/usr/share/plumwick/SampleLists/Numbers 1 to 75.pwk"
pdftotext "$work/card.pdf" - | grep -qx 'B' || fail "the card from the package has no heading"
[ "$("$work/root/usr/bin/plumwick" --version)" = "plumwick $version" ] || fail "plumwick --version"
echo "package: passed"
