// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Numbered games: codes, re-made cards, uniqueness, winning patterns and the caller's draw.
#include "card/CardArrangement.h"
#include "card/RandomSource.h"
#include "game/CallerDraw.h"
#include "game/CardCheck.h"
#include "game/CardView.h"
#include "game/GameClock.h"
#include "platform/Clock.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "game/WinPatterns.h"
#include "support/QtPrinting.h"
#include "support/Words.h"

#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

TEST(GameCode, RoundTripAndTypos)
{
    const QRegularExpression shape("^[0-9A-HJKMNP-TV-Z]{4}-[0-9A-HJKMNP-TV-Z]{4}$");
    for (std::uint32_t seed : {0u, 1u, 12345u, GameCode::SeedLimit - 1})
        for (std::uint32_t check : {0u, 7u, 0xfffu}) {
            const GameCode code{seed, check};
            const QString text = code.Text();
            EXPECT_TRUE(shape.match(text).hasMatch()) << text.toStdString();
            EXPECT_EQ(ParseGameCode(text), code);
            // As people type it: lower case, no dash, blanks, O for 0 and I or L for 1.
            QString typed = text.toLower().remove('-');
            typed.replace('0', 'o').replace('1', 'l');
            EXPECT_EQ(ParseGameCode(" " + typed.left(4) + " " + typed.mid(4) + " "), code);
            // Every single mistyped character is caught.
            for (int i = 0; i < text.size(); ++i) {
                if (text[i] == '-')
                    continue;
                for (char c : QByteArray("0123456789ABCDEFGHJKMNPQRSTVWXYZ")) {
                    if (QChar(c) == text[i])
                        continue;
                    QString wrong = text;
                    wrong[i] = QChar(c);
                    GameCodeError why = GameCodeError::None;
                    EXPECT_FALSE(ParseGameCode(wrong, &why).has_value()) << wrong.toStdString();
                    EXPECT_EQ(why, GameCodeError::Mistyped);
                }
            }
        }
    for (const char* bad : {"", "ABCD-EFG", "ABCD-EFGH-J", "ABCD-EFG!", "UUUU-UUUU"}) {
        GameCodeError why = GameCodeError::None;
        EXPECT_FALSE(ParseGameCode(bad, &why).has_value()) << bad;
        EXPECT_EQ(why, GameCodeError::Malformed) << bad;
    }
    // The check tells lists and options apart.
    const QStringList words = NumberWords(1, 75);
    const std::uint32_t base = ShapeCheck(words, 1, true);
    EXPECT_EQ(ShapeCheck(words, 1, true), base);
    int differ = 0;
    differ += ShapeCheck(words, 1, false) != base;
    differ += ShapeCheck(words, 2, true) != base;
    differ += ShapeCheck(NumberWords(1, 74), 1, true) != base;
    EXPECT_GE(differ, 2); // 12 bits: a one-in-4096 clash is allowed, not two
}

TEST(NumberedGame, CardsAreMadeAgainAndNeverRepeat)
{
    CardOptions options;
    const QStringList numbers = NumberWords(1, 75);
    NumberedGame game(numbers, options, 4242);
    QString error;
    ASSERT_TRUE(game.Plan(2000, error)) << error.toStdString();
    // Card n is the usual arrangement with the game's counter in place of the clock.
    for (int n : {1, 2, 999, 2000}) {
        SeededClock clock(GameCardCounter(4242, n, 0));
        RandomSource random(clock);
        QStringList cells;
        ArrangeCardCells(numbers, true, 1, random, cells);
        EXPECT_EQ(game.Card(n), cells) << n;
    }
    // The same game made again gives the same cards.
    NumberedGame again(numbers, options, 4242);
    ASSERT_TRUE(again.Plan(2000, error));
    EXPECT_EQ(again.Card(1234), game.Card(1234));
    EXPECT_NE(NumberedGame(numbers, options, 4243).Code(), game.Code());

    // A small list: 9 words on a 3 x 3 card without free space give 9! different cards; a
    // game of 3,000 has no two alike, in the shown cells.
    CardOptions small;
    small.SizeIndex = 0;
    small.FreeSpace = false;
    const QStringList nine = {"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    NumberedGame tiny(nine, small, 7);
    EXPECT_EQ(tiny.DifferentCards(), 362880u);
    ASSERT_TRUE(tiny.Plan(3000, error));
    std::set<QStringList> seen;
    for (int n = 1; n <= 3000; ++n)
        EXPECT_TRUE(seen.insert(tiny.Card(n).mid(0, 9)).second) << n;
    EXPECT_FALSE(tiny.Plan(400000, error));
    EXPECT_EQ(error, "This word list gives only 362880 different cards.");
    // Repeated words can't be counted: the tries run out.
    NumberedGame same(QStringList(9, "x"), small, 7);
    EXPECT_FALSE(same.DifferentCards().has_value());
    EXPECT_FALSE(same.Plan(2, error));
    EXPECT_EQ(error, "This word list gives only 1 different card.");
}

TEST(NumberedGame, EveryDifferentCardCanBeHad)
{
    // 8 words on a 3 x 3 card with a free space: 8! = 40,320 cards, every one of them in a
    // game of that size, the same each time it is planned, each card made again alike.
    CardOptions small;
    small.SizeIndex = 0;
    const QStringList eight = {"a", "b", "c", "d", "e", "f", "g", "h"};
    for (std::uint32_t seed : {1u, 99u}) {
        NumberedGame game(eight, small, seed);
        ASSERT_EQ(game.DifferentCards(), 40320u);
        QString error;
        ASSERT_TRUE(game.Plan(40320, error)) << error.toStdString();
        std::set<QStringList> seen;
        for (int n = 1; n <= 40320; ++n) {
            const QStringList card = game.Card(n).mid(0, 8);
            ASSERT_EQ(QSet<QString>(card.cbegin(), card.cend()).size(), 8) << n;
            ASSERT_TRUE(seen.insert(card).second) << n;
        }
        NumberedGame again(eight, small, seed);
        ASSERT_TRUE(again.Plan(40320, error));
        for (int n : {1, 20000, 40000, 40320})
            EXPECT_EQ(again.Card(n), game.Card(n)) << n;
        // A smaller game of the same seed: the same cards as far as it goes.
        NumberedGame part(eight, small, seed);
        ASSERT_TRUE(part.Plan(40080, error));
        EXPECT_EQ(part.Card(40080), game.Card(40080));
        EXPECT_FALSE(part.Plan(40321, error));
        EXPECT_EQ(error, "This word list gives only 40320 different cards.");
    }
}

TEST(NumberedGame, TenThousandCardsAreFairAndKeepTheColumnRule)
{
    CardOptions options;
    options.FreeSpace = false;
    NumberedGame game(NumberWords(1, 75), options, 99);
    QString error;
    ASSERT_TRUE(game.Plan(10000, error));
    std::vector<long> counts(76, 0);
    for (int n = 1; n <= 10000; ++n) {
        const QStringList card = game.Card(n);
        for (int i = 0; i < 25; ++i) {
            const int number = card[i].toInt();
            ASSERT_EQ((number - 1) / 15, i % 5);
            ++counts[number];
        }
    }
    // Chi-square of each column's 15 counts (14 degrees of freedom), limit at p = 10^-6.
    for (int c = 0; c < 5; ++c) {
        const double expected = 10000.0 * 5 / 15;
        double chi = 0;
        for (int k = 1; k <= 15; ++k)
            chi += std::pow(counts[c * 15 + k] - expected, 2) / expected;
        EXPECT_LT(chi, 51.2) << "column " << c;
    }
}

TEST(WinPatterns, EveryPatternOnEverySize)
{
    struct Case {
        int side;
        bool freeSpace;
        std::vector<int> calledCells;
        WinPattern pattern;
        const char* verdict;
    };
    const Case cases[] = {
        {5, true, {10, 11, 13, 14}, WinPattern::AnyLine, "Bingo: row 3"},      // the free space completes it
        {5, true, {2, 7, 17, 22}, WinPattern::AnyLine, "Bingo: column N"},
        {5, true, {0, 6, 18, 24}, WinPattern::AnyLine, "Bingo: diagonal"},
        {5, true, {4, 8, 16, 20}, WinPattern::AnyLine, "Bingo: diagonal"},
        {5, true, {0, 1, 2}, WinPattern::AnyLine, "No bingo yet: 2 words missing for the best line"},
        {5, false, {10, 11, 13, 14}, WinPattern::AnyLine, "No bingo yet: 1 word missing for the best line"},
        {5, true, {0, 4, 20, 24}, WinPattern::FourCorners, "Bingo: four corners"},
        {5, true, {0, 4, 20}, WinPattern::FourCorners, "No bingo yet: 1 word missing for the four corners"},
        {5, true, {0, 6, 18, 24, 4, 8, 16, 20}, WinPattern::X, "Bingo: X"},
        {5, false, {0, 6, 18, 24, 4, 8, 16, 20}, WinPattern::X, "No bingo yet: 1 word missing for the X"},
        {3, false, {0, 1, 2}, WinPattern::AnyLine, "Bingo: row 1"},
        {3, true, {1, 7}, WinPattern::AnyLine, "Bingo: column I"},
        {3, false, {0, 1, 2, 3, 4, 5, 6, 7}, WinPattern::FullCard, "No bingo yet: 1 word missing for the full card"},
        {3, false, {0, 1, 2, 3, 4, 5, 6, 7, 8}, WinPattern::FullCard, "Bingo: full card"},
        {7, true, {42, 43, 44, 45, 46, 47, 48}, WinPattern::AnyLine, "Bingo: row 7"},
        {7, true, {3, 10, 17, 31, 38, 45}, WinPattern::AnyLine, "Bingo: column 4"}, // heading shorter than the side
        {7, false, {}, WinPattern::AnyLine, "No bingo yet: 7 words missing for the best line"},
    };
    for (const Case& c : cases) {
        std::vector<bool> marked(c.side * c.side, false);
        for (int i : c.calledCells)
            marked[i] = true;
        if (c.freeSpace)
            marked[c.side * c.side / 2] = true;
        const Verdict v = CheckPattern(marked, c.side, c.pattern, {"B", "I", "N"});
        EXPECT_EQ(v.Text, c.verdict) << c.side << " " << PatternName(c.pattern).toStdString();
        EXPECT_EQ(v.Bingo, QString(c.verdict).startsWith("Bingo"));
        // The winning cells come with a bingo, to be drawn; all of them are marked.
        EXPECT_EQ(v.Cells.empty(), !v.Bingo);
        for (int cell : v.Cells)
            EXPECT_TRUE(marked[cell]);
    }
    std::vector<bool> row3(25, false);
    for (int i = 10; i < 15; ++i)
        row3[i] = true;
    EXPECT_EQ(CheckPattern(row3, 5, WinPattern::AnyLine).Cells, (std::vector<int>{10, 11, 12, 13, 14}));
    WinPattern p;
    EXPECT_TRUE(ParsePattern("CORNERS", p));
    EXPECT_EQ(p, WinPattern::FourCorners);
    EXPECT_FALSE(ParsePattern("diagonal", p));

    // A card as held: the free space in the centre, marked as called.
    CardOptions options;
    options.SizeIndex = 0;
    const CardView view = MakeCardView({"a", "b", "c", "d", "e", "f", "g", "h"}, options);
    EXPECT_EQ(view.Texts, (QStringList{"a", "b", "c", "d", "Free Space", "e", "f", "g", "h"}));
    EXPECT_EQ(view.AsText({"d", "e"}), "B\tI\tN\na\tb\tc\nd*\tFree Space*\te*\nf\tg\th\n");
}

TEST(CardCheck, WhatTheCheckCannotKnowIsSaid)
{
    const QStringList numbers = NumberWords(1, 75);
    CardOptions options;
    NumberedGame game(numbers, options, 31);
    const QString code = game.Code().Text();
    // Without the game's record the card is shown, and the note says what can't be known;
    // the last card a game can print can be asked for.
    const CardCheck unknown = CheckCard(numbers, options, code, MaxCardNumber, 0, {}, ClassicPattern(WinPattern::AnyLine));
    EXPECT_TRUE(unknown.Error.isEmpty()) << unknown.Error.toStdString();
    EXPECT_EQ(unknown.Note, "This computer has no record of game " + code + ", so it cannot confirm how many cards the game has.");
    EXPECT_TRUE(CheckCard(numbers, options, code, 3, 10, {}, ClassicPattern(WinPattern::AnyLine)).Note.isEmpty());
    // Another card size or free space is named; another list is said as such.
    CardOptions small = options;
    small.SizeIndex = 0;
    small.FreeSpace = false;
    EXPECT_EQ(CheckCard(numbers, small, code, 1, 10, {}, ClassicPattern(WinPattern::AnyLine)).Error,
              "Game " + code + " has cards of 5 x 5 with a free space, but the check is set to 3 x 3 without a free "
              "space. Change the card size or the free space and check again.");
    EXPECT_EQ(CheckCard(NumberWords(1, 74), options, code, 1, 10, {}, ClassicPattern(WinPattern::AnyLine)).Error,
              "This card was printed from another word list.");
    EXPECT_EQ(CheckCard(numbers, options, "  ", 1, 10, {}, ClassicPattern(WinPattern::AnyLine)).Error,
              "Please type the game code printed on the card (as K7F2-9QXA).");
}

TEST(CallerDraw, DrawUndoAndResume)
{
    // "a" stands twice in the list and is called once; both its entries count as called.
    CallerDraw draw({"a", "b", "a", "c"});
    EXPECT_EQ(draw.Total(), 3);
    QSet<QString> drawn;
    std::uint64_t r = 0x1234;
    for (int i = 0; i < 3; ++i) {
        r = r * 6364136223846793005ull + 1442695040888963407ull;
        const int index = draw.Draw(r);
        ASSERT_GE(index, 0);
        EXPECT_FALSE(drawn.contains(draw.Words()[index]));
        drawn << draw.Words()[index];
    }
    EXPECT_TRUE(draw.Done());
    EXPECT_EQ(draw.Draw(r), -1);
    EXPECT_TRUE(draw.IsCalled(0) && draw.IsCalled(2));
    EXPECT_TRUE(draw.Callable(0) && !draw.Callable(2));
    const QString last = draw.Last();
    ASSERT_TRUE(draw.Undo());
    EXPECT_EQ(draw.CalledCount(), 2);
    EXPECT_FALSE(draw.Done());
    EXPECT_EQ(draw.LastCalls(5).size(), 2);
    // Calls saved when each entry was called: the repeated word counts once.
    CallerDraw old({"a", "b", "a", "c"});
    ASSERT_TRUE(old.Load("Plumwick calls 1\n0\ta\n2\ta\n3\tc\n"));
    EXPECT_EQ(old.Calls(), (QList<int>{0, 3}));
    // Saved and read back into a fresh draw of the same list.
    CallerDraw again({"a", "b", "a", "c"});
    ASSERT_TRUE(again.Load(draw.Save()));
    EXPECT_EQ(again.Calls(), draw.Calls());
    // Calls that don't fit the list are refused and change nothing.
    CallerDraw other({"x", "y"});
    EXPECT_FALSE(other.Load(draw.Save()));
    EXPECT_EQ(other.CalledCount(), 0);
    EXPECT_FALSE(other.Load("not a calls file"));
    draw.Restart();
    EXPECT_EQ(draw.CalledCount(), 0);
    (void)last;
}
