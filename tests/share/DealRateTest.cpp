// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Seats dealt no faster than a room of phones asks for them: a few at once to one address,
// then one every little while; so many a second in all; wrong check codes apart.
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

TEST(DealRate, WrongCheckCodesCountAgainstTheirOwnAddressAlone)
{
    DealRate rate({3, 10, 2, 0.1, 2, 10});
    // Two wrong codes from one address: it may try no more for a while, others may.
    EXPECT_TRUE(rate.MayTryCode("10.0.0.9", 1000));
    rate.WrongCode("10.0.0.9", 1000);
    rate.WrongCode("10.0.0.9", 1000);
    EXPECT_FALSE(rate.MayTryCode("10.0.0.9", 1000));
    EXPECT_FALSE(rate.MayTryCode("10.0.0.9", 10999));
    EXPECT_TRUE(rate.MayTryCode("10.0.0.9", 11000)); // one more after 10 s
    EXPECT_TRUE(rate.MayTryCode("10.0.0.8", 1000));
    // The room's seats are untouched by them.
    EXPECT_EQ(rate.Take("10.0.0.7", 1000), DealRate::Verdict::Dealt);
    EXPECT_EQ(rate.Take("10.0.0.6", 1000), DealRate::Verdict::Dealt);
}
