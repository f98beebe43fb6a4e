// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// 90-ball strips: each rule of a ticket and a strip told apart, every dealt strip valid, and
// the deal fair: over 10,000 strips each number lands on each of the six tickets equally
// often (the tickets of a strip are interchangeable), and a number's rows mirror those of
// its mirror number in the column (turning a strip upside down and each column's numbers
// end to end is another strip), both by chi-square at p = 1e-6.
#include "game/NinetyBall.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace NinetyBall;

namespace {

std::function<std::uint64_t()> Seeded(std::mt19937_64& engine)
{
    return [&engine] { return engine(); };
}

// The chi-square value that `dof` degrees of freedom exceed with probability 1e-6
// (Wilson-Hilferty; z = 4.753).
double Critical(int dof)
{
    const double k = dof, z = 4.753;
    return k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

const StripDealer& Dealer()
{
    static const StripDealer dealer;
    return dealer;
}

} // namespace

TEST(NinetyBall, EachRuleOfATicketAndAStripIsKept)
{
    std::mt19937_64 engine(1);
    const Strip good = Dealer().Deal(Seeded(engine));
    QString why;
    ASSERT_TRUE(IsValidStrip(good, &why)) << why.toStdString();
    const Ticket ticket = good[0];
    auto broken = [&](auto change) {
        Ticket t = ticket;
        change(t);
        QString reason;
        EXPECT_FALSE(IsValidTicket(t, &reason));
        return reason;
    };
    // Five numbers a row: a row with a blank filled, and a row with a number taken out.
    int blank = 0;
    while (ticket.Cells[0][blank] != 0)
        ++blank;
    EXPECT_EQ(broken([&](Ticket& t) { t.Cells[0][blank] = ColumnLow(blank); }), QStringLiteral("row 1 holds 6 numbers, not 5"));
    int filled = 0;
    while (ticket.Cells[1][filled] == 0)
        ++filled;
    EXPECT_EQ(broken([&](Ticket& t) { t.Cells[1][filled] = 0; }), QStringLiteral("row 2 holds 4 numbers, not 5"));
    // A number outside its column's range.
    EXPECT_EQ(broken([&](Ticket& t) {
                  for (int c = 0; c < Columns; ++c)
                      if (t.Cells[2][c] != 0) {
                          t.Cells[2][c] = c == 0 ? 90 : 1;
                          return;
                      }
              }).contains(QStringLiteral("does not belong in column")),
              true);
    // Numbers falling down a column.
    for (int c = 0; c < Columns; ++c) {
        int first = -1, second = -1;
        for (int r = 0; r < Rows; ++r)
            if (ticket.Cells[r][c] != 0)
                (first < 0 ? first : second) = r;
        if (second >= 0) {
            EXPECT_EQ(broken([&](Ticket& t) { std::swap(t.Cells[first][c], t.Cells[second][c]); }),
                      QStringLiteral("column %1 does not rise from top to bottom").arg(c + 1));
            break;
        }
    }
    // An empty column (rows still of five: a number moved to another column's blank).
    Ticket empty{};
    const int rows[3][9] = {{1, 10, 20, 30, 40, 0, 0, 0, 0}, {2, 11, 21, 31, 41, 0, 0, 0, 0}, {3, 12, 0, 0, 0, 50, 60, 70, 0}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 9; ++c)
            empty.Cells[r][c] = rows[r][c];
    QString reason;
    EXPECT_FALSE(IsValidTicket(empty, &reason));
    EXPECT_EQ(reason, QStringLiteral("column 9 holds no number"));
    // A strip with a number twice, and so one missing.
    Strip twice = good;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (twice[1].Cells[r][c] != 0 && twice[0].Cells[0][c] != 0 && twice[1].Cells[r][c] != twice[0].Cells[0][c]) {
                twice[0].Cells[0][c] = twice[1].Cells[r][c];
                r = Rows;
                break;
            }
    EXPECT_FALSE(IsValidStrip(twice, &reason));
}

TEST(NinetyBall, EveryDealtStripIsValid)
{
    std::mt19937_64 engine(2);
    EXPECT_GT(Dealer().Count(), 1e40);
    for (int i = 0; i < 3000; ++i) {
        const Strip strip = Dealer().Deal(Seeded(engine));
        QString why;
        ASSERT_TRUE(IsValidStrip(strip, &why)) << i << ": " << why.toStdString();
    }
}

TEST(NinetyBall, NumbersLandFairly)
{
    constexpr int Strips = 10000;
    std::mt19937_64 engine(3);
    std::array<std::array<int, 6>, 91> tickets{};
    std::array<std::array<int, 3>, 91> rows{};
    for (int i = 0; i < Strips; ++i) {
        const Strip strip = Dealer().Deal(Seeded(engine));
        for (int t = 0; t < TicketsPerStrip; ++t)
            for (int r = 0; r < Rows; ++r)
                for (const int n : strip[t].Cells[r])
                    if (n != 0) {
                        ++tickets[n][t];
                        ++rows[n][r];
                    }
    }
    // Each of the six tickets equally: 90 numbers x 5 degrees of freedom.
    double chi = 0;
    const double expected = Strips / 6.0;
    for (int n = 1; n <= 90; ++n)
        for (const int seen : tickets[n])
            chi += (seen - expected) * (seen - expected) / expected;
    EXPECT_LT(chi, Critical(90 * 5)) << chi;
    // Number x in row r as often as its mirror (lowest <-> highest of the column) in row 3 - r:
    // a two-sample test over every pair of a number and its mirror (the middle of an odd
    // column is its own mirror and says nothing).
    double mirror = 0;
    int dof = 0;
    for (int c = 0; c < Columns; ++c)
        for (int x = ColumnLow(c); x < ColumnLow(c) + ColumnHigh(c) - x; ++x) {
            const int y = ColumnLow(c) + ColumnHigh(c) - x;
            for (int r = 0; r < Rows; ++r) {
                const double a = rows[x][r], b = rows[y][Rows - 1 - r];
                if (a + b > 0)
                    mirror += (a - b) * (a - b) / (a + b);
            }
            dof += 2;
        }
    EXPECT_LT(mirror, Critical(dof)) << mirror;
}

// One line, two lines and a full house on one ticket, with the fewest numbers still missing.
TEST(NinetyBall, TicketsWinOnLinesAndAFullHouse)
{
    Ticket ticket{};
    const int rows[3][9] = {{1, 0, 20, 0, 40, 0, 60, 0, 80}, {0, 11, 0, 31, 0, 51, 0, 71, 81}, {0, 12, 0, 32, 0, 52, 0, 72, 90}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 9; ++c)
            ticket.Cells[r][c] = rows[r][c];
    ASSERT_TRUE(IsValidTicket(ticket));
    std::vector<bool> called(91);
    for (const int n : {1, 20, 40, 60, 80, 11, 31, 51, 12, 90})
        called[n] = true;
    const TicketVerdict one = CheckTicket(ticket, called, TicketPattern::OneLine);
    EXPECT_TRUE(one.Won);
    EXPECT_EQ(one.Rows, std::vector<int>{0});
    EXPECT_EQ(one.Text, QStringLiteral("Bingo: row 1"));
    const TicketVerdict two = CheckTicket(ticket, called, TicketPattern::TwoLines);
    EXPECT_FALSE(two.Won);
    EXPECT_EQ(two.Missing, 2); // row 2 lacks 71 and 81
    EXPECT_EQ(two.Text, QStringLiteral("No bingo yet: 2 numbers missing for two lines"));
    called[71] = called[81] = true;
    EXPECT_EQ(CheckTicket(ticket, called, TicketPattern::TwoLines).Text, QStringLiteral("Bingo: rows 1 and 2"));
    const TicketVerdict house = CheckTicket(ticket, called, TicketPattern::FullHouse);
    EXPECT_EQ(house.Text, QStringLiteral("No bingo yet: 3 numbers missing for a full house"));
    called[32] = called[52] = true;
    EXPECT_EQ(CheckTicket(ticket, called, TicketPattern::FullHouse).Text, QStringLiteral("No bingo yet: 1 number missing for a full house"));
    called[72] = true;
    const TicketVerdict full = CheckTicket(ticket, called, TicketPattern::FullHouse);
    EXPECT_TRUE(full.Won);
    EXPECT_EQ(full.Rows, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(full.Text, QStringLiteral("Bingo: full house"));
}

// A game's strips come back the same from its seed, none alike, each valid.
TEST(NinetyBall, AGamesStripsAreTheSameEveryTimeAndNoneAlike)
{
    StripGame game(Dealer(), 12345);
    game.Plan(17);
    const Strip seventeen = game.At(17);
    game.Plan(400);
    EXPECT_EQ(game.Planned(), 400);
    EXPECT_EQ(game.At(17), seventeen);
    StripGame again(Dealer(), 12345);
    again.Plan(17);
    EXPECT_EQ(again.At(17), seventeen);
    StripGame other(Dealer(), 12346);
    other.Plan(17);
    EXPECT_NE(other.At(17), seventeen);
    std::set<std::vector<int>> seen;
    for (int n = 1; n <= 400; ++n) {
        const Strip strip = game.At(n);
        ASSERT_TRUE(IsValidStrip(strip)) << n;
        std::vector<int> flat;
        for (const Ticket& t : strip)
            for (const auto& row : t.Cells)
                flat.insert(flat.end(), row.begin(), row.end());
        EXPECT_TRUE(seen.insert(flat).second) << n;
    }
}
