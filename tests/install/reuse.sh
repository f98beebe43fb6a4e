#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Every file says its licence and copyright as the REUSE rules lay out, and the
# version NEWS gives is the one the programs report.
#   reuse.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"
source_dir=$1
build=$2
command -v reuse >/dev/null || skip_missing "reuse is not installed"
cd "$source_dir"
reuse lint >/tmp/reuse-lint.$$ 2>&1 || { cat /tmp/reuse-lint.$$; rm -f /tmp/reuse-lint.$$; echo "FAIL: reuse lint" >&2; exit 1; }
rm -f /tmp/reuse-lint.$$
version=$(sed -n '1s/^Plumwick \([^ ]*\) .*/\1/p' NEWS)
[ "$("$build/plumwick-print" --version)" = "plumwick-print $version" ] || { echo "FAIL: plumwick-print --version" >&2; exit 1; }
grep -q "^plumwick ($version) unstable" "$build/changelog" || { echo "FAIL: the changelog does not begin with $version" >&2; exit 1; }
# The source package's changelog is the one made from NEWS (copy it after adding a release).
cmp -s debian/changelog "$build/changelog" || { echo "FAIL: debian/changelog differs from the one NEWS gives: cp $build/changelog debian/changelog" >&2; exit 1; }
echo "reuse: passed"
