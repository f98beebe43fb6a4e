#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# The software centre's entry validates, and carries this version.
#   metainfo.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"
build=$1
command -v appstreamcli >/dev/null || skip_missing "appstreamcli is not installed"
file=$build/example.plumwick.plumwick.metainfo.xml
appstreamcli validate --no-net "$file"
version=$(sed -n '1s/^Plumwick \([^ ]*\) .*/\1/p' "$(dirname "$0")/../../NEWS") # the newest release
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$file" || { echo "FAIL: no release $version" >&2; exit 1; }
grep -q '<mediatype>text/x-plumwick-list</mediatype>' "$file" || { echo "FAIL: no MIME type" >&2; exit 1; }
# The id is lowercase reverse-DNS and names the desktop file; the developer as Debian 12 reads it.
grep -q '<id>example.plumwick.plumwick</id>' "$file" || { echo "FAIL: the component id" >&2; exit 1; }
grep -q '<launchable type="desktop-id">example.plumwick.plumwick.desktop</launchable>' "$file" ||
  { echo "FAIL: the launchable" >&2; exit 1; }
grep -q '<developer_name>' "$file" || { echo "FAIL: no developer_name" >&2; exit 1; }
[ "$(grep -c '<release ' "$file")" -ge 2 ] || { echo "FAIL: not every release of NEWS" >&2; exit 1; }
echo "metainfo: passed"
