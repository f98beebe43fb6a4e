# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Sourced by the test scripts. skip_missing WHAT: a tool the test needs is not here. The test
# is skipped (exit 77), but under ./test.sh, which installs every tool and says so with
# PLUMWICK_REQUIRE_TOOLS, a missing tool is a failure: a skip there would hide a broken set-up.
skip_missing() {
  if [ -n "${PLUMWICK_REQUIRE_TOOLS:-}" ]; then
    echo "FAIL: $1 (./test.sh installs it)" >&2
    exit 1
  fi
  echo "skipped: $1"
  exit 77
}
