#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# The accessibility tree over AT-SPI, as Orca would read it: the real program under Xvfb,
# in a D-Bus session of its own with the AT-SPI bus, walked by pyatspi.
#   atspi.sh PATH/TO/plumwick
# Exits 77 (skipped) where Xvfb, D-Bus, at-spi2-core or python3-pyatspi is missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"
app=$1
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null || skip_missing "$tool is not installed"
done
[ -x "$launcher" ] || skip_missing "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip_missing "python3-pyatspi is not installed"
if [ -z "${PLUMWICK_ATSPI_INNER:-}" ]; then
  PLUMWICK_ATSPI_INNER=1 exec xvfb-run -a dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
cleanup() { kill "${pid:-}" "${bus:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export XDG_DATA_HOME=$work/home QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
printf 'apple\r\nbanana\r\ncherry\r\n' > "$work/fruit.pwk"
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 0.5
"$app" "$work/fruit.pwk" >"$work/app.log" 2>&1 &
pid=$!
/usr/bin/python3 "$(dirname "$0")/atspi-check.py"
echo "atspi: passed"
