// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Who keeps a connection to the share server: a whole request with the token in time, or a
// place only while places are plenty, the oldest without a token giving way first.
#include "share/ConnectionGuard.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

TEST(ConnectionGuard, CutsWhatIsLateAndWhatHasNoTokenWhenPlacesRunShort)
{
    std::vector<int> cut;
    ConnectionGuard guard({1000, 10, 2}, [&](int socket) { cut.push_back(socket); });
    int keys[20];
    // Six connections a tenth of a second apart; two show the token.
    for (int i = 0; i < 6; ++i)
        guard.Started(&keys[i], i, i * 100);
    guard.Trust(&keys[1]);
    guard.Trust(&keys[4]);
    EXPECT_EQ(guard.Sweep(900), 0);
    // Past the deadline every untrusted one goes, whatever it has sent since.
    EXPECT_EQ(guard.Sweep(1250), 2); // started at 0 and 200
    std::sort(cut.begin(), cut.end());
    EXPECT_EQ(cut, (std::vector<int>{0, 2}));
    EXPECT_EQ(guard.Sweep(1260), 0); // each is cut once
    guard.Closed(&keys[0]);
    guard.Closed(&keys[2]);
    EXPECT_EQ(guard.Count(), 4);

    // Places run short (10, two kept free): the untrusted go, oldest first, the trusted stay.
    cut.clear();
    for (int i = 6; i < 14; ++i)
        guard.Started(&keys[i], i, 1300 + i);
    EXPECT_EQ(guard.Count(), 12);
    // 12 open, room for 8: the one started at 300 is late by now, then the three oldest
    // untrusted make room; the trusted stay.
    EXPECT_EQ(guard.Sweep(1400), 4);
    std::sort(cut.begin(), cut.end());
    EXPECT_EQ(cut, (std::vector<int>{3, 5, 6, 7}));
}
