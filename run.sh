#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Installs what is missing, builds a Release build in build/ and starts Plumwick.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
plumwick_install_missing
plumwick_build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. On a machine without one, start it as: xvfb-run ./run.sh" >&2
  exit 1
fi
exec ./build/plumwick
