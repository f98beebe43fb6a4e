// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A game's record: its log follows the calls, its CSV is safe to open in a spreadsheet, a
// ticket's winner is drawn with its winning rows, and the host's pattern file is never
// written over while it holds something that could not be read.
#include "game/GameRecordSheet.h"
#include "settings/OwnPatterns.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(GameRecord, TheLogFollowsTheCallsAndTheCsvIsSafeInASpreadsheet)
{
    const QDateTime noon(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
    GameLog log;
    log.Called("=1+1", noon);
    log.Called("B 12", noon.addSecs(8));
    log.Called("x", noon.addSecs(16));
    log.Undone(noon.addSecs(20));
    log.Claimed(5, "Card 5 claims bingo: not yet, 2 missing", false, noon.addSecs(30));
    EXPECT_EQ(GameLog::Load(log.Save()), log);
    // The calls file holds other calls after the first: the times stay where the words agree.
    GameLog followed = log;
    followed.Follow({"=1+1", "N 33", "G 50"});
    ASSERT_EQ(followed.Calls.size(), 3u);
    EXPECT_EQ(followed.Calls[0].At, noon);
    EXPECT_FALSE(followed.Calls[1].At.isValid());
    EXPECT_EQ(followed.Calls[2].Word, "G 50");
    for (const char* bad : {"", "{", "[1,2]", "{\"calls\":7,\"claims\":[{\"card\":-3}]}"})
        EXPECT_EQ(GameLog::Load(bad), GameLog()) << bad;

    GameRecordSheet sheet{"K7F2-9QXA", "Game K7F2-9QXA (Fruit, \"ripe\")", log, PrizeRound({{"line", 1}}), {"Any line"}, {}};
    bool movedOn = false;
    sheet.Prizes.Confirm({17, "row 2", 2}, movedOn);
    const QStringList rows = QString::fromUtf8(RecordCsv(sheet)).split("\r\n");
    const QString at = RecordTime(noon);
    const QStringList expected = {"Game,K7F2-9QXA,\"Game K7F2-9QXA (Fruit, \"\"ripe\"\")\"",
                                  "What,Number,Call or prize,Card,Time or line",
                                  "call,1,'=1+1,," + at,
                                  "call,2,B 12,," + RecordTime(noon.addSecs(8)),
                                  "taken back,,x,," + RecordTime(noon.addSecs(20)),
                                  "winner,1,Any line,17,\"row 2, after 2 calls\"",
                                  "cleared,,\"Card 5 claims bingo: not yet, 2 missing\",5," + RecordTime(noon.addSecs(30)),
                                  ""};
    EXPECT_EQ(rows, expected);
}

TEST(GameRecord, ATicketsWinnerIsDrawnWithItsWinningRows)
{
    GameRecordSheet sheet;
    sheet.Prizes = PrizeRound({{"one", 1}});
    NinetyBall::StripGame strips(NinetyBall::Dealer(), 4242);
    strips.Plan(2);
    const NinetyBall::Ticket ticket = strips.At(2)[0]; // ticket 7: the first of strip 2
    for (const int n : ticket.Cells[1])
        if (n != 0)
            sheet.Log.Called(QString::number(n), QDateTime::currentDateTimeUtc());
    bool movedOn = false;
    sheet.Prizes.Confirm({7, "One line", 5}, movedOn);
    const std::vector<WinnerCard> cards = WinnerCards(sheet, {}, {}, 4242, true, {});
    ASSERT_EQ(cards.size(), 1u);
    ASSERT_TRUE(cards[0].Ticket.has_value());
    EXPECT_EQ(*cards[0].Ticket, ticket);
    EXPECT_EQ(cards[0].Won.size(), 5u);
    for (const int cell : cards[0].Won)
        EXPECT_EQ(cell / NinetyBall::Columns, 1);
    EXPECT_EQ(std::count(cards[0].Marked.begin(), cards[0].Marked.end(), true), 5);
}

TEST(GameRecord, TheHostsPatternFileIsKeptAsideBeforeWhatCouldNotBeReadIsWrittenOver)
{
    TempDataHome home;
    home.Folder.Write("Plumwick/Patterns.txt", "Mine\nX..\n...\n...\n\nBroken\nXX\nX\n");
    QStringList problems;
    const std::vector<Pattern> read = OwnPatterns::Read(&problems);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(problems, QStringList{"Pattern 2 (Broken): the rows are not all 2 long"});
    OwnPatterns::Write(read);
    EXPECT_EQ(home.Folder.Read("Plumwick/Patterns (not read).txt"), "Mine\nX..\n...\n...\n\nBroken\nXX\nX\n");
    problems.clear();
    EXPECT_EQ(OwnPatterns::Read(&problems), read);
    EXPECT_TRUE(problems.isEmpty());
}
