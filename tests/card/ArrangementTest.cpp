// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "card/CardArrangement.h"
#include "card/CardOptions.h"
#include "card/RandomSource.h"
#include "platform/Clock.h"
#include "support/SteppingClock.h"
#include "support/Words.h"

#include <gtest/gtest.h>
#include <QSet>
#include <thread>

namespace {

QStringList Numbers(int from, int to)
{
    return NumberWords(from, to);
}

int Group(const QString& cell)
{
    return (cell.trimmed().toInt() - 1) / 15;
}

} // namespace

TEST(RandomSource, FollowsTheThirtyTwoBitGenerator)
{
    SteppingClock clock;
    RandomSource random(clock);
    random.SetState(0);
    // state 1, then 1 * 134775813 + 1 = 134775814, then wraps modulo 2^32.
    EXPECT_EQ(random.Next(100), 0u);
    EXPECT_EQ(random.CurrentState(), 1u);
    EXPECT_EQ(random.Next(100), static_cast<std::uint32_t>((134775814ull * 100) >> 32));
    EXPECT_EQ(random.CurrentState(), 134775814u);
    const std::uint32_t third = 134775814u * 134775813u + 1u;
    EXPECT_EQ(random.Next(75), static_cast<std::uint32_t>((static_cast<std::uint64_t>(third) * 75) >> 32));

    // Reseeding takes the lower 32 bits of the counter.
    clock.Now = 0x1234567800000000ull - 7919 + 42;
    random.Reseed();
    EXPECT_EQ(random.CurrentState(), 42u);
}

TEST(ArrangeCard, NumbersOneToSeventyFiveFollowTheColumns)
{
    for (bool freeSpace : {false, true}) {
        SteppingClock clock;
        RandomSource random(clock);
        QStringList cells;
        ArrangeCardCells(Numbers(1, 75), freeSpace, 1, random, cells);
        ASSERT_EQ(cells.size(), 75);
        // The 5 x 5 card shows entries in reading order, skipping the centre when it is free.
        QStringList shown;
        int w = 0;
        for (int k = 1; k <= 25; ++k)
            shown << ((freeSpace && k == 13) ? QString() : cells[w++]);
        QSet<QString> seen;
        for (int k = 0; k < 25; ++k) {
            if (shown[k].isEmpty())
                continue;
            EXPECT_EQ(Group(shown[k]), k % 5) << "cell " << k + 1 << " holds " << shown[k].toStdString();
            EXPECT_FALSE(seen.contains(shown[k]));
            seen.insert(shown[k]);
        }
        EXPECT_EQ(seen.size(), freeSpace ? 24 : 25);
        if (!freeSpace) {
            // All 75 numbers placed once, 15 runs of one number from each group.
            EXPECT_EQ(QSet<QString>(cells.begin(), cells.end()).size(), 75);
        }
    }
}

TEST(ArrangeCard, ListsThatAreNotExactlyOneToSeventyFiveAreShuffled)
{
    QStringList withZero = Numbers(1, 74);
    withZero << "0";
    QStringList with76 = Numbers(1, 74);
    with76 << "76";
    QStringList withWord = Numbers(1, 74);
    withWord << "seventy-five";
    QStringList trailingBlank = Numbers(1, 74);
    trailingBlank << "75 ";
    for (const QStringList& list : {Numbers(1, 74), withZero, with76, withWord, trailingBlank})
        EXPECT_FALSE(IsNumbers1To75(list)) << list.last().toStdString();

    QStringList leadingBlanks;
    for (const QString& n : Numbers(1, 75))
        leadingBlanks << " " + n;
    QStringList leadingZeros;
    for (const QString& n : Numbers(1, 75))
        leadingZeros << "00" + n;
    QStringList hex = Numbers(1, 74);
    hex << "$4B";
    for (const QStringList& list : {leadingBlanks, leadingZeros, hex})
        EXPECT_TRUE(IsNumbers1To75(list)) << list.first().toStdString();
}

TEST(ArrangeCard, ShuffleKeepsEveryWordIncludingDuplicates)
{
    SteppingClock clock;
    RandomSource random(clock);
    QStringList words = {"apple", "pear", "pear", "plum", "fig"};
    QStringList cells = {"stale", "stale", "stale", "stale", "stale", "stale", "stale"};
    ArrangeCardCells(words, true, 1, random, cells);
    ASSERT_EQ(cells.size(), 5);
    QStringList sortedCells = cells;
    sortedCells.sort();
    words.sort();
    EXPECT_EQ(sortedCells, words);

    ArrangeCardCells({}, true, 1, random, cells);
    EXPECT_TRUE(cells.isEmpty());
}

TEST(ArrangeCard, ShuffleMatchesPickingFromAShrinkingList)
{
    // The reference: pick index j of the remaining words, remove it, repeat.
    SteppingClock clockA(5, 13), clockB(5, 13);
    RandomSource a(clockA), b(clockB);
    QStringList words;
    for (int i = 0; i < 300; ++i)
        words << QStringLiteral("w%1").arg(i);
    std::vector<int> all;
    ArrangeCardIndices(PlanArrangement(words), false, 1, a, all); // every word, no card cut

    QStringList remaining = words;
    QStringList expected;
    b.Reseed();
    while (!remaining.isEmpty())
        expected << remaining.takeAt(b.Next(static_cast<std::uint32_t>(remaining.size())));
    QStringList texts;
    for (const int i : all)
        texts << words[i];
    EXPECT_EQ(texts, expected);

    // A card draws only what it shows, the same first picks: 25 on 5 x 5, 49 on 7 x 7.
    for (const int sizeIndex : {1, 2}) {
        SteppingClock clock(5, 13);
        RandomSource c(clock);
        QStringList cells;
        ArrangeCardCells(words, false, sizeIndex, c, cells);
        EXPECT_EQ(cells, expected.mid(0, CardSide(sizeIndex) * CardSide(sizeIndex)));
    }
}

TEST(ArrangeCard, ACardOfAHundredThousandWordsDrawsItsCellsAsTheWholeShuffleWould)
{
    QStringList words;
    for (int i = 0; i < 100000; ++i)
        words << QStringLiteral("w%1").arg(i);
    const ArrangementPlan plan = PlanArrangement(words);
    for (std::uint64_t start = 1; start <= 20; ++start) {
        SteppingClock clockA(start, 7919), clockB(start, 7919);
        RandomSource a(clockA), b(clockB);
        std::vector<int> whole, card;
        ArrangeCardIndices(plan, true, 1, a, whole);
        ArrangeCardIndices(plan, true, 1, b, card, 24);
        ASSERT_EQ(card.size(), 24u);
        EXPECT_EQ(card, std::vector<int>(whole.begin(), whole.begin() + 24)) << start;
    }
}

TEST(ArrangeCard, TwoArrangementsInARowDiffer)
{
    SteppingClock clock;
    RandomSource random(clock);
    QStringList first, second;
    ArrangeCardCells(Numbers(1, 40), false, 1, random, first);
    ArrangeCardCells(Numbers(1, 40), false, 1, random, second);
    EXPECT_NE(first, second);
}

TEST(ArrangeCard, RepeatedNumbersLeaveTheUnfilledEntriesEmpty)
{
    // 75 integers from 1 to 75, but 15 is doubled and 16 missing: group 2 holds 14.
    QStringList words = Numbers(1, 75);
    words[15] = "15";
    ASSERT_TRUE(IsNumbers1To75(words));
    SteppingClock clock;
    RandomSource random(clock);
    QStringList cells(75, "stale");
    ArrangeCardCells(words, false, 1, random, cells);
    // After 14 runs of five, group 2 is empty and filling stops: 70 entries are written.
    for (int i = 0; i < 70; ++i)
        EXPECT_FALSE(cells[i].isEmpty()) << i;
    for (int i = 70; i < 75; ++i)
        EXPECT_EQ(cells[i], QString()) << i;
}

// An export draws cards on every core from one arranger: cards arranged on two threads at
// once come out as they do one at a time.
TEST(CardArranger, ArrangesOnSeveralThreadsAtOnce)
{
    const QStringList words = Numbers(1, 5000);
    const CardArranger arranger(words);
    auto card = [&](int n) {
        SeededClock clock(static_cast<std::uint64_t>(n));
        RandomSource random(clock);
        QStringList cells;
        arranger.Arrange(true, 2, random, cells);
        return cells;
    };
    constexpr int Cards = 4000;
    std::vector<QStringList> alone(Cards), together(Cards);
    for (int n = 0; n < Cards; ++n)
        alone[size_t(n)] = card(n);
    std::thread other([&] {
        for (int n = 1; n < Cards; n += 2)
            together[size_t(n)] = card(n);
    });
    for (int n = 0; n < Cards; n += 2)
        together[size_t(n)] = card(n);
    other.join();
    EXPECT_EQ(alone, together);
}
