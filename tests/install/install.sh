#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Installs the build into a scratch prefix as `cmake --install` would for a user, and checks
# the desktop integration: the menu entry opens word lists (%f, MimeType), the MIME package
# names *.pwk as a sub-class of text/plain, the icons are there, and the tools of the
# desktop accept both files where they are installed.
#   install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
for f in bin/plumwick bin/plumwick-print; do [ -x "$root/usr/$f" ] || fail "$f not installed"; done
for f in applications/example.plumwick.plumwick.desktop mime/packages/plumwick.xml icons/hicolor/scalable/apps/plumwick.svg \
         icons/hicolor/48x48/apps/plumwick.png icons/hicolor/256x256/apps/plumwick.png \
         icons/hicolor/scalable/mimetypes/text-x-plumwick-list.svg doc/plumwick/help.html "plumwick/SampleLists/Numbers 1 to 75.pwk"; do
  [ -f "$share/$f" ] || fail "share/$f not installed"
done
desktop=$share/applications/example.plumwick.plumwick.desktop
grep -qx 'Exec=plumwick %f' "$desktop" || fail "the menu entry does not pass the file: $(grep Exec "$desktop")"
grep -qx 'MimeType=text/x-plumwick-list;' "$desktop" || fail "no MimeType in the menu entry"
grep -q '<glob pattern="\*.pwk"/>' "$share/mime/packages/plumwick.xml" || fail "no *.pwk glob"
grep -q '<sub-class-of type="text/plain"/>' "$share/mime/packages/plumwick.xml" || fail "not a kind of text/plain"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
  echo "note: desktop-file-validate is not installed; the menu entry was not validated"
fi
if command -v update-mime-database >/dev/null; then
  # The install refreshed the database in the prefix: *.pwk is known there.
  [ -f "$share/mime/globs2" ] || update-mime-database "$share/mime"
  grep -q 'text/x-plumwick-list:\*\.pwk' "$share/mime/globs2" || fail "the MIME database does not know *.pwk"
fi
# Nothing of this machine's build folders or of /usr/local is compiled into the programs: they
# find what they ship from where they are. (A sanitizer build keeps its object files' paths for
# its reports; it is never installed.)
case "$(ldd "$root/usr/bin/plumwick" 2>/dev/null)" in
  *libasan*) echo "install: passed (a sanitizer build: paths not checked)"; exit 0 ;;
esac
for program in plumwick plumwick-print; do
  for path in "$build" "$(cd "$(dirname "$0")/../.." && pwd)" /usr/local; do
    if grep -aqF "$path" "$root/usr/bin/$program"; then fail "$program contains the path $path"; fi
  done
done
echo "install: passed"
