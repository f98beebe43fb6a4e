// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Patterns and prizes in turn, as a host plays them: the named shapes judged any way round,
// the columns a pattern leaves, the host's own in their file, and a game's prizes moving on
// as winners are confirmed.
#include "game/Patterns.h"
#include "game/Prizes.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::vector<bool> Marks(int side, std::initializer_list<int> cells, bool freeCentre = true)
{
    std::vector<bool> marked(static_cast<std::size_t>(side * side));
    for (int c : cells)
        marked[static_cast<std::size_t>(c)] = true;
    if (freeCentre && side % 2 == 1)
        marked[static_cast<std::size_t>(side * side / 2)] = true;
    return marked;
}

} // namespace

TEST(Patterns, TheLibraryIsWholeAndEachShapeStandsAsManyWaysAsItCan)
{
    std::set<QString> keys;
    int shapes = 0;
    for (const Pattern& p : PatternLibrary()) {
        EXPECT_TRUE(keys.insert(p.Key).second) << p.Key.toStdString();
        EXPECT_FALSE(p.Name.isEmpty());
        if (p.Classic)
            continue;
        ++shapes;
        EXPECT_EQ(p.Side, 5);
        EXPECT_EQ(p.Cells.size(), 25u);
        EXPECT_TRUE(PatternProblem(p).isEmpty()) << p.Key.toStdString();
    }
    EXPECT_GE(shapes, 25);
    // Turned and mirrored, the distinct ways each stands.
    const std::pair<const char*, std::size_t> ways[] = {
        {"postage-stamp", 4}, {"crazy-l", 4}, {"crazy-t", 4}, {"six-pack", 8}, {"kite", 4}, {"arrow", 4},
        {"letter-l", 1},      {"heart", 1},   {"line", 1}};
    for (const auto& [key, count] : ways) {
        const Pattern* p = FindPattern(QString::fromLatin1(key));
        ASSERT_NE(p, nullptr) << key;
        EXPECT_EQ(p->Classic ? 1u : p->WaysRound().size(), count) << key;
    }
    EXPECT_EQ(FindPattern("Postage-Stamp"), FindPattern("postage-stamp"));
    EXPECT_EQ(FindPattern("postage STAMP"), FindPattern("postage-stamp")); // the name as shown, any case
    EXPECT_EQ(FindPattern("Any line")->Key, "line");
    EXPECT_EQ(FindPattern("no-such"), nullptr);
    // A 3 x 3 card plays the classics alone; a host's 3 x 3 pattern joins them.
    Pattern tiny{"Tiny", "Tiny", 3, {true, false, true, false, false, false, true, false, true}, false, std::nullopt, false};
    EXPECT_EQ(PatternsFor(3, {}).size(), 4u);
    EXPECT_EQ(PatternsFor(3, {tiny}).back()->Key, "Tiny");
    EXPECT_EQ(PatternsFor(5, {tiny}).size(), PatternLibrary().size());
}

TEST(Patterns, ACardIsJudgedForTheShapeAnyWayRoundWhereItMayStandSo)
{
    struct Case {
        const char* Key;
        std::vector<bool> Marked;
        bool Bingo;
        const char* Text;
    };
    const Case cases[] = {
        {"postage-stamp", Marks(5, {0, 1, 5, 6}), true, "Bingo: Postage stamp"},
        {"postage-stamp", Marks(5, {18, 19, 23, 24}), true, "Bingo: Postage stamp"}, // the bottom right corner
        {"postage-stamp", Marks(5, {18, 19, 23}), false, "No bingo yet: 1 word missing for Postage stamp"},
        {"letter-l", Marks(5, {0, 5, 10, 15, 20, 21, 22, 23, 24}), true, "Bingo: Letter L"},
        {"letter-l", Marks(5, {4, 9, 14, 19, 24, 20, 21, 22, 23}), false, "No bingo yet: 4 words missing for Letter L"},
        {"crazy-l", Marks(5, {4, 9, 14, 19, 24, 20, 21, 22, 23}), true, "Bingo: Crazy L"}, // mirrored
        {"crazy-l", Marks(5, {0, 1, 2, 3, 4, 9, 14, 19, 24}), true, "Bingo: Crazy L"},     // turned
        // The free space counts as marked: a small frame's ring, the block of nine's middle.
        {"block-of-nine", Marks(5, {6, 7, 8, 11, 13, 16, 17, 18}), true, "Bingo: Block of nine"},
        {"block-of-nine", Marks(5, {6, 7, 8, 11, 13, 16, 17, 18}, false), false, "No bingo yet: 1 word missing for Block of nine"},
        {"heart", Marks(7, {}), false, "Heart is drawn for cards of 5 x 5"},
        // The classics as before.
        {"corners", Marks(5, {0, 4, 20, 24}), true, "Bingo: four corners"},
        {"line", Marks(3, {0, 1, 2}), true, "Bingo: row 1"},
    };
    for (const Case& c : cases) {
        const int side = c.Marked.size() == 49 ? 7 : c.Marked.size() == 9 ? 3 : 5;
        const Verdict v = CheckFor(c.Marked, side, *FindPattern(QString::fromLatin1(c.Key)));
        EXPECT_EQ(v.Bingo, c.Bingo) << c.Key << " " << v.Text.toStdString();
        EXPECT_EQ(v.Text.toStdString(), c.Text) << c.Key;
        if (v.Bingo) {
            for (int cell : v.Cells)
                EXPECT_TRUE(c.Marked[static_cast<std::size_t>(cell)]) << c.Key;
        }
    }
}

TEST(Patterns, TheColumnsAPatternLeavesAreThoseNoWayRoundCovers)
{
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"corners", {1, 2, 3}}, {"railroad-tracks", {0, 2, 4}}, {"postage-stamp", {2}}, {"small-frame", {0, 4}},
        {"line", {}},           {"x", {}},                       {"full", {}},           {"crazy-t", {}}};
    for (const auto& [key, unused] : cases)
        EXPECT_EQ(ColumnsUnused(*FindPattern(QString::fromLatin1(key)), 5), unused) << key;
}

TEST(Patterns, TheHostsOwnAreReadBackAsWrittenAndABadBlockIsNamedAndLeftOut)
{
    Pattern arrow{"Dart", "Dart", 3, {false, true, false, true, true, true, false, true, false}, true, std::nullopt, true};
    Pattern big{"Big square", "Big square", 7, std::vector<bool>(49, true), false, std::nullopt, true};
    const PatternFile back = ReadPatterns(WritePatterns({arrow, big}));
    EXPECT_TRUE(back.Problems.isEmpty()) << back.Problems.join(';').toStdString();
    ASSERT_EQ(back.Patterns.size(), 2u);
    EXPECT_EQ(back.Patterns[0], arrow);
    EXPECT_EQ(back.Patterns[1], big);

    const PatternFile mixed = ReadPatterns("# mine\n\nGood\nany way round\nX..\n.x.\n..#\n\n"
                                           "Ragged\nXXXXX\nXXXX\nXXXXX\nXXXXX\nXXXXX\n\n"
                                           "Four rows\nXXXX\nXXXX\nXXXX\nXXXX\n\n"
                                           "Empty\n...\n...\n...\n\n"
                                           "Arrow\nX..\n.X.\n..X\n\n"
                                           "good\nX..\n...\n...\n\n"
                                           "Stray\nX?.\n...\n...\n\n"
                                           "postage stamp\nX..\n...\n...\n\n"
                                           "Nameless rows only\n");
    ASSERT_EQ(mixed.Patterns.size(), 1u);
    EXPECT_EQ(mixed.Patterns[0].Key, "Good");
    EXPECT_TRUE(mixed.Patterns[0].AnyWayRound);
    EXPECT_EQ(mixed.Patterns[0].Cells, (std::vector<bool>{true, false, false, false, true, false, false, false, true}));
    const QStringList expected = {"Pattern 2 (Ragged): the rows are not all 5 long",
                                  "Pattern 3 (Four rows): A pattern is drawn on 3, 5 or 7 rows of as many cells.",
                                  "Pattern 4 (Empty): The pattern covers no cell.",
                                  "Pattern 5 (Arrow): another pattern has this name",
                                  "Pattern 6 (good): another pattern has this name",
                                  "Pattern 7 (Stray): a row holds something other than X and .",
                                  "Pattern 8 (postage stamp): another pattern has this name",
                                  "Pattern 9 (Nameless rows only): A pattern is drawn on 3, 5 or 7 rows of as many cells."};
    EXPECT_EQ(mixed.Problems, expected);
}

TEST(Prizes, AGameMovesOnAsEachPrizeHasItsWinnersAndKeepsThem)
{
    PrizeRound round({{"line", 1}, {"postage-stamp", 2}, {"full", 0}});
    bool movedOn = false;
    ASSERT_EQ(round.Now()->Pattern, "line");
    EXPECT_TRUE(round.Confirm({17, "row 2", 20}, movedOn));
    EXPECT_TRUE(movedOn);
    // Two cards may win the stamp; one card wins it once.
    EXPECT_TRUE(round.Confirm({3, "Postage stamp", 31}, movedOn));
    EXPECT_FALSE(movedOn);
    EXPECT_FALSE(round.Confirm({3, "Postage stamp", 32}, movedOn));
    EXPECT_TRUE(round.Confirm({8, "Postage stamp", 33}, movedOn));
    EXPECT_TRUE(movedOn);
    // Any number may win the full card, until the host moves on.
    for (int card = 1; card <= 5; ++card)
        EXPECT_TRUE(round.Confirm({card, "full card", 60}, movedOn));
    EXPECT_FALSE(movedOn);
    EXPECT_EQ(round.Now()->Pattern, "full");
    round.Next();
    EXPECT_TRUE(round.Over());
    EXPECT_EQ(round.Now(), nullptr);
    EXPECT_FALSE(round.Confirm({9, "row 1", 61}, movedOn));
    EXPECT_EQ(round.Winners()[1], (std::vector<PrizeWinner>{{3, "Postage stamp", 31}, {8, "Postage stamp", 33}}));
    EXPECT_EQ(round.Winners()[2].size(), 5u);

    // Kept beside the calls and read back the same; anything else read is no round.
    EXPECT_EQ(PrizeRound::Load(round.Save()), round);
    for (const char* bad : {"", "[]", "{\"prizes\":[{\"pattern\":\"\"}]}", "{\"prizes\":[{\"pattern\":\"x\",\"won\":[{\"card\":0}]}]}"})
        EXPECT_FALSE(PrizeRound::Load(bad).Active()) << bad;

    // The prizes changed mid-game: those played keep their winners while they stand where they did.
    PrizeRound changing({{"line", 1}, {"corners", 1}, {"full", 1}});
    changing.Confirm({4, "row 1", 10}, movedOn);
    changing.SetPrizes({{"line", 1}, {"x", 1}, {"full", 1}});
    EXPECT_EQ(changing.Current(), 1);
    EXPECT_EQ(changing.Winners()[0].size(), 1u);
    changing.SetPrizes({{"corners", 1}, {"line", 1}});
    EXPECT_EQ(changing.Current(), 0);
    EXPECT_TRUE(changing.Winners()[0].empty());
    EXPECT_EQ(PrizeRound::Usual(true)[2].Pattern, "house");
    EXPECT_EQ(TicketPrizePattern("two"), NinetyBall::TicketPattern::TwoLines);
}
