// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Seats dealt no faster than a room of phones asks for them: a few at once to one address,
// then one every little while; so many a second in all.
#include "share/DealRate.h"

#include <gtest/gtest.h>

TEST(DealRate, AFewAtOnceToAnAddressThenOneEveryLittleWhileAndSoManyInAll)
{
    DealRate rate({3, 10, 4, 0.1});
    using V = DealRate::Verdict;
    struct Step {
        const char* address;
        qint64 atMs;
        V expected;
    };
    const Step steps[] = {
        {"10.0.0.1", 1000, V::Dealt},          {"10.0.0.1", 1000, V::Dealt},
        {"10.0.0.1", 1000, V::Dealt},          {"10.0.0.1", 1000, V::AddressTooFast}, // three at once
        {"10.0.0.1", 10999, V::AddressTooFast}, {"10.0.0.1", 11000, V::Dealt},        // one more after 10 s
        {"10.0.0.2", 11000, V::Dealt},                                                 // 4 at once in all
        {"10.0.0.3", 11000, V::AllTooFast},     {"10.0.0.3", 12000, V::AllTooFast},
        {"10.0.0.3", 21000, V::Dealt},                                                 // one every 10 s in all
    };
    for (const Step& s : steps)
        EXPECT_EQ(rate.Take(QString::fromLatin1(s.address), s.atMs), s.expected) << s.address << " at " << s.atMs;
}
