#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Every window on a low-vision host's desktop: a 1366 x 768 screen at twice the scale, a 20 pt
# font, a window manager framing each window. The window tests' check of every window, run
# there (usage: low-vision.sh WIDGET_TESTS).
set -euo pipefail
export E2E_SCREEN=1366x768x24
source "$(dirname "$0")/common.sh"
e2e_start xvfb-run openbox xprop -- "$@"
e2e_window_manager
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 PLUMWICK_TEST_FONT_POINTS=20 \
  "$1" --gtest_filter='*EveryWindowOpensWithinItsScreen*'
