// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QtGlobal>
#include <gtest/gtest.h>

// A test that needs a tool (pdftotext, chromedriver, a CUPS queue) skips where it is missing,
// but not under ./test.sh, which installs every tool and says so with PLUMWICK_REQUIRE_TOOLS:
// there a missing tool fails the test, since a skip would hide a broken set-up.
#define SKIP_WITHOUT_TOOL(present, what)                                                                  \
    do {                                                                                                  \
        if (!(present)) {                                                                                 \
            if (qEnvironmentVariableIsSet("PLUMWICK_REQUIRE_TOOLS"))                                      \
                FAIL() << what << " (./test.sh installs it)";                                             \
            GTEST_SKIP() << what;                                                                         \
        }                                                                                                 \
    } while (false)
