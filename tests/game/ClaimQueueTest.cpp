// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The claims queue: one entry a card while it waits, confirmed only where the card wins, the
// host's decision a step of its own, and the claims heard handed over once each.
#include "game/ClaimQueue.h"

#include <gtest/gtest.h>

TEST(ClaimQueue, OneEntryACardAndConfirmedOnlyWhereItWins)
{
    using State = ClaimQueue::State;
    ClaimQueue queue;
    EXPECT_TRUE(queue.Add(1, "Card 1 claims bingo: not yet, 1 missing", false));
    EXPECT_TRUE(queue.Add(2, "Card 2 claims bingo: row 1", true));
    // A card claiming again replaces its waiting claim.
    EXPECT_FALSE(queue.Add(1, "Card 1 claims bingo: not yet, 1 missing (again)", false));
    ASSERT_EQ(queue.Claims().size(), 2u);
    EXPECT_EQ(queue.OldestWaiting()->Text, "Card 1 claims bingo: not yet, 1 missing (again)");
    // The heard claims, a card's latest once, in the order they first came; then none.
    const auto heard = queue.TakeHeard();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].Card, 1);
    EXPECT_EQ(heard[1].Card, 2);
    EXPECT_TRUE(queue.TakeHeard().empty());

    // A card that does not win is not confirmed; the host may decide it does, as a step of
    // its own, and only for a claim still waiting.
    EXPECT_FALSE(queue.Confirm(1, false));
    EXPECT_EQ(queue.Waiting(1)->Now, State::Waiting);
    EXPECT_TRUE(queue.Decide(1));
    EXPECT_FALSE(queue.Decide(1));
    EXPECT_FALSE(queue.Confirm(1, true));
    EXPECT_TRUE(queue.Confirm(2, true));
    EXPECT_EQ(queue.Claims()[0].Now, State::HostsDecision);
    EXPECT_EQ(queue.Claims()[1].Now, State::Confirmed);
    EXPECT_FALSE(queue.OldestWaiting());

    // A settled card that claims again waits anew beside its settled entry; cleared, it goes.
    EXPECT_TRUE(queue.Add(2, "Card 2 claims bingo: rows 1 and 2", true));
    EXPECT_EQ(queue.Claims().size(), 3u);
    EXPECT_FALSE(queue.Clear(7));
    EXPECT_TRUE(queue.Clear(2));
    EXPECT_FALSE(queue.Clear(2));
    EXPECT_EQ(queue.Claims().size(), 2u);
    // Settled entries leave the list only when the host tidies them away.
    queue.Tidy(2);
    ASSERT_EQ(queue.Claims().size(), 1u);
    EXPECT_EQ(queue.Claims()[0].Card, 1);
}
