# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Shared by the end-to-end scripts: the tools they need (exit 77, skipped, without them), a
# virtual display, a scratch folder that goes at exit, and a window manager.

source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"

# e2e_start TOOL... -- "$@": checks the tools, then runs the script again inside Xvfb.
e2e_start() {
  local tool
  while [ "$1" != "--" ]; do
    command -v "$1" >/dev/null || skip_missing "$1 is not installed"
    shift
  done
  shift
  if [ -z "${PLUMWICK_E2E_INNER:-}" ]; then
    PLUMWICK_E2E_INNER=1 exec xvfb-run -a -s "-screen 0 ${E2E_SCREEN:-1024x768x24}" "$0" "$@"
  fi
  work=$(mktemp -d)
  trap 'kill "${pid:-}" "${wm:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
  export XDG_DATA_HOME=$work/home
}

# The window manager, managing before the program maps its window.
e2e_window_manager() {
  openbox >/dev/null 2>&1 &
  wm=$!
  local i
  for i in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
}
