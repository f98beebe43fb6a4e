// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Cards arranged through the real clock are fair: every number and word lands on its share
// of cards, in every row and cell alike, and one card says nothing about the next. The
// limits are chi-square at p = 10^-6, so a fair generator practically never fails, while
// seeds drawn from a raw clock (chi-square in the thousands) fail at any level.
#include "card/CardArrangement.h"
#include "card/RandomSource.h"
#include "platform/Clock.h"
#include "support/Words.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr int Cards = 10000;

// The chi-square value exceeded with probability 10^-6 (Wilson and Hilferty's cube-root
// approximation, within a fraction of a percent for these degrees of freedom).
double Limit(int degrees)
{
    const double z = 4.7534; // the normal quantile of 1 - 10^-6
    const double k = degrees;
    const double a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

// Chi-square of observed counts against equal expected counts.
double ChiSquare(const std::vector<long>& counts)
{
    double total = 0;
    for (long c : counts)
        total += c;
    const double expected = total / counts.size();
    double sum = 0;
    for (long c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

struct Tally {
    std::vector<long> Counts;
    explicit Tally(int size) : Counts(size, 0) {}
    void Add(int index) { ++Counts[index]; }
    void Expect(const char* what) const
    {
        const int degrees = static_cast<int>(Counts.size()) - 1;
        EXPECT_LT(ChiSquare(Counts), Limit(degrees)) << what << ": chi-square on " << degrees << " degrees of freedom";
    }
};

} // namespace

TEST(Fairness, TheNumbers1To75ThroughTheRealClock)
{
    SteadyClock clock;
    RandomSource random(clock);
    const QStringList words = NumberWords(1, 75);
    QStringList cells;
    std::vector<Tally> perColumn(5, Tally(15));
    Tally numberAndRow(15 * 5);         // the B column: number against row
    Tally nextCard(15 * 15);            // the B column's top cell: this card against the next
    int previous = -1;
    for (int card = 0; card < Cards; ++card) {
        ArrangeCardCells(words, false, 1, random, cells);
        for (int i = 0; i < 25; ++i) {
            const int number = cells[i].toInt();
            const int column = i % 5;
            ASSERT_EQ((number - 1) / 15, column) << "the column rule";
            perColumn[column].Add((number - 1) % 15);
            if (column == 0)
                numberAndRow.Add((number - 1) * 5 + i / 5);
        }
        const int top = cells[0].toInt() - 1;
        if (previous >= 0)
            nextCard.Add(previous * 15 + top);
        previous = top;
    }
    const char* names[] = {"B", "I", "N", "G", "O"};
    for (int c = 0; c < 5; ++c)
        perColumn[c].Expect(names[c]);
    numberAndRow.Expect("B: number against row");
    nextCard.Expect("B top cell: card k against card k + 1");
}

TEST(Fairness, ShuffledListsThroughTheRealClock)
{
    SteadyClock clock;
    RandomSource random(clock);
    QStringList words;
    for (int i = 0; i < 40; ++i)
        words << QStringLiteral("w%1").arg(i, 2, 10, QChar('0'));
    std::map<QString, int> index;
    for (int i = 0; i < 40; ++i)
        index[words[i]] = i;
    QStringList cells;
    Tally perWord(40);            // words on the 24 cells of a card with a free space
    Tally wordAndCell(40 * 24);
    Tally nextCard(40 * 40);      // the first cell: this card against the next
    int previous = -1;
    for (int card = 0; card < 2 * Cards; ++card) {
        ArrangeCardCells(words, true, 1, random, cells);
        for (int i = 0; i < 24; ++i) {
            const int w = index.at(cells[i]);
            if (card < Cards) {
                perWord.Add(w);
                wordAndCell.Add(w * 24 + i);
            }
        }
        const int first = index.at(cells[0]);
        if (previous >= 0)
            nextCard.Add(previous * 40 + first);
        previous = first;
    }
    perWord.Expect("word counts");
    wordAndCell.Expect("word against cell");
    nextCard.Expect("first cell: card k against card k + 1");
}

// The counter the real clock hands out: unrelated from one reading to the next.
TEST(Fairness, ClockReadingsAreWellMixed)
{
    SteadyClock clock;
    Tally lowBits(256);
    Tally differences(256);
    std::uint64_t last = clock.Counter();
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t now = clock.Counter();
        lowBits.Add(static_cast<int>(now & 0xff));
        differences.Add(static_cast<int>((now - last) & 0xff));
        last = now;
    }
    lowBits.Expect("low byte of the counter");
    differences.Expect("low byte of the step between readings");
}
