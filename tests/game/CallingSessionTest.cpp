// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// What a calling session records: each call with its time, each take-back beside the calls
// it leaves, an empty log for a new game, and the times of a game gone on with; and what it
// decides: the columns skipped for the pattern played, the prizes a new game keeps, and
// where Auto Call stops.
#include "game/CallingSession.h"

#include <gtest/gtest.h>

TEST(CallingSession, RecordsEachCallAndEachTakeBackWithItsTime)
{
    const QDateTime noon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
    const QStringList fruit{"apple", "banana", "cherry", "damson"};
    CallingSession session({fruit});
    EXPECT_EQ(session.TakeBack(noon), -1); // nothing to take back, nothing recorded
    EXPECT_TRUE(session.Log().TakenBack.empty());
    const int first = session.Call(1, noon);
    ASSERT_GE(first, 0);
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
    CallingSession again({fruit});
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

TEST(CallingSession, SkipsWhatThePatternCantUseAndStopsAutoCallWhereNothingIsLeft)
{
    const QDateTime noon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
    QStringList numbers;
    for (int n = 1; n <= 75; ++n)
        numbers << QString::number(n);
    struct Case {
        const char* Pattern;
        bool Skipping;
        bool ColumnGame;
        int Side;
        int Callable; // calls before none is left
    };
    const Case cases[] = {
        {"corners", true, true, 5, 30},  // B and O alone
        {"x", true, true, 5, 75},        // every column is crossed
        {"corners", false, true, 5, 75}, // not asked to skip
        {"corners", true, true, 3, 75},  // only a 5 x 5 card's columns are the numbers' own
        {"corners", true, false, 5, 75}, // words, not the numbers in their columns
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Pattern) + (c.Skipping ? " skipping" : "") + " side " + std::to_string(c.Side));
        CallingSession session({numbers, c.ColumnGame, c.Side, false});
        session.Choose(*FindPattern(QString::fromLatin1(c.Pattern)));
        session.SetSkipping(c.Skipping);
        ASSERT_TRUE(session.StartAuto());
        for (int i = 0; i < c.Callable; ++i) {
            const int index = session.Call(std::uint64_t(i) * 7919u, noon);
            ASSERT_GE(index, 0);
            if (c.Callable == 30) {
                const int n = numbers[index].toInt();
                EXPECT_TRUE(n <= 15 || n > 60) << n;
            }
        }
        EXPECT_EQ(session.Call(1, noon), -1);
        // Nothing left to call: the timer is off and can't be started.
        EXPECT_EQ(session.Auto().Now(), AutoCall::State::Off);
        EXPECT_FALSE(session.StartAuto() && c.Callable == 75);
    }

    // A prize played wins over the pattern chosen: four corners' skipping follows it, and a
    // ticket game plays no card pattern.
    CallingSession prizes({numbers, true, 5, false});
    prizes.Choose(*FindPattern("full"));
    prizes.SetSkipping(true);
    EXPECT_TRUE(prizes.SkippedColumns().empty());
    prizes.SetPrizes({{"corners", 1}, {"full", 1}});
    EXPECT_EQ(prizes.SkippedColumns(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CallingSession({numbers, false, 5, true}).PatternPlayed(), nullptr);
}

TEST(CallingSession, ANewGameKeepsItsPrizesWonByNoOne)
{
    const QDateTime noon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
    CallingSession session({{"a", "b", "c"}});
    EXPECT_FALSE(session.Prizes().Active()); // a new session plays for no prize of another game's
    session.SetPrizes({{"line", 2}, {"full", 1}});
    session.Call(0, noon);
    bool movedOn = false;
    EXPECT_TRUE(session.Won(4, "row 1", movedOn));
    EXPECT_FALSE(movedOn);
    EXPECT_EQ(session.Prizes().Winners()[0][0], (PrizeWinner{4, "row 1", 1}));
    EXPECT_FALSE(session.Won(4, "row 1", movedOn)); // not twice for the same prize
    EXPECT_TRUE(session.Won(5, "row 2", movedOn));
    EXPECT_TRUE(movedOn);
    ASSERT_TRUE(session.StartAuto());
    session.Restart();
    EXPECT_EQ(session.Auto().Now(), AutoCall::State::Off);
    EXPECT_EQ(session.Prizes(), PrizeRound(session.Prizes().Prizes()));
    EXPECT_EQ(session.Prizes().Prizes().size(), 2u);
    // A saved round is gone on with, winners and all, only where the game goes on.
    PrizeRound saved({{"line", 1}});
    saved.Confirm({2, "row 3", 5}, movedOn);
    session.TakePrizes(saved, false);
    EXPECT_TRUE(session.Prizes().Winners()[0].empty());
    session.TakePrizes(saved, true);
    EXPECT_EQ(session.Prizes(), saved);
}
