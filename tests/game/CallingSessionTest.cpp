// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// What a calling session records: each call with its time, each take-back beside the calls
// it leaves, an empty log for a new game, and the times of a game gone on with.
#include "game/CallingSession.h"

#include <gtest/gtest.h>

TEST(CallingSession, RecordsEachCallAndEachTakeBackWithItsTime)
{
    const QDateTime noon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
    CallingSession session({"apple", "banana", "cherry", "damson"});
    EXPECT_EQ(session.TakeBack(noon), -1); // nothing to take back, nothing recorded
    EXPECT_TRUE(session.Log().TakenBack.empty());
    // Only the words allowed are called.
    const int first = session.Call(1, noon, [](int index) { return index != 0; });
    ASSERT_GE(first, 1);
    const int second = session.Call(2, noon.addSecs(8));
    ASSERT_GE(second, 0);
    ASSERT_EQ(session.Log().Calls.size(), 2u);
    EXPECT_EQ(session.Log().Calls[1].At, noon.addSecs(8));
    // Taken back: gone from the calls and the draw, kept with its own time.
    EXPECT_EQ(session.TakeBack(noon.addSecs(20)), second);
    EXPECT_EQ(session.Draw().CalledCount(), 1);
    ASSERT_EQ(session.Log().Calls.size(), 1u);
    ASSERT_EQ(session.Log().TakenBack.size(), 1u);
    EXPECT_EQ(session.Log().TakenBack[0].Word, session.Draw().Words()[second]);
    EXPECT_EQ(session.Log().TakenBack[0].At, noon.addSecs(20));

    // Gone on with later: the saved calls, the log's times where its words agree.
    CallingSession again({"apple", "banana", "cherry", "damson"});
    again.GoOn(session.Draw(), session.Log());
    EXPECT_EQ(again.Log(), session.Log());
    // A new game of the same words: nothing called, nothing recorded.
    again.Restart();
    EXPECT_EQ(again.Draw().CalledCount(), 0);
    EXPECT_EQ(again.Log(), GameLog());
    // Every word called: no more calls.
    for (std::uint64_t r = 0; r < 4; ++r)
        EXPECT_GE(again.Call(r, noon), 0);
    EXPECT_EQ(again.Call(9, noon), -1);
    EXPECT_EQ(again.Log().Calls.size(), 4u);
}
