#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# The software centre's entry validates, and carries this version.
#   metainfo.sh BUILD_DIR
set -euo pipefail
build=$1
command -v appstreamcli >/dev/null || { echo "skipped: appstreamcli is not installed"; exit 77; }
file=$build/example.plumwick.Plumwick.metainfo.xml
appstreamcli validate --no-net "$file"
version=$(sed -n '1s/^Plumwick \([^ ]*\) .*/\1/p' "$(dirname "$0")/../../NEWS") # the newest release
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$file" || { echo "FAIL: no release $version" >&2; exit 1; }
grep -q '<mediatype>text/x-plumwick-list</mediatype>' "$file" || { echo "FAIL: no MIME type" >&2; exit 1; }
echo "metainfo: passed"
