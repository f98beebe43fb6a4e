// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// 90-ball strips: each rule of a ticket and a strip told apart, every dealt strip valid, and
// the deal fair: over 10,000 strips each number lands on each of the six tickets equally
// often (the tickets of a strip are interchangeable), and in each row as often as a uniform
// choice among all valid strips puts it there, both by chi-square at p = 1e-6. The row
// chances are worked out exactly below, by counting, apart from the dealer's own sums.
#include "game/NinetyBall.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <map>
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

// The chance that number n stands in row r of its ticket, over all valid strips alike.
//
// Every ticket layout (3 rows of 9, five a row, no empty column) is listed and grouped by its
// column counts k. A strip is six layouts whose counts add up to the column sizes N_c, with
// each column's numbers split among the tickets (N_c! / prod k_c! ways) and sorted down each
// ticket; so a layout weighs prod 1 / k_c!. The tickets of a strip are interchangeable, so
// each has the same chance of each layout: its weight times the ways to complete the other
// five tickets, over all strips. Given its ticket takes k_c of column c's numbers, number n
// (the i-th of the column) is among them with chance k_c / N_c, and is the j-th of them with
// chance C(i-1, j) C(N_c-i, k_c-1-j) / C(N_c-1, k_c-1); the layout says which row the j-th
// number of the column takes.
std::array<std::array<double, 3>, 91> ExactRowChances()
{
    using Counts = std::array<int, 9>;
    const Counts sizes = {9, 10, 10, 10, 10, 10, 10, 10, 11};
    struct Shape {
        double Layouts = 0;
        double Weight = 0;
        std::array<std::array<std::array<double, 3>, 3>, 9> RowOfRank{}; // [column][j][row]
    };
    std::map<Counts, Shape> shapes;
    std::vector<int> rowMasks;
    for (int m = 0; m < 512; ++m)
        if (__builtin_popcount(m) == 5)
            rowMasks.push_back(m);
    for (const int a : rowMasks)
        for (const int b : rowMasks)
            for (const int c : rowMasks) {
                if ((a | b | c) != 511)
                    continue;
                Counts k{};
                std::array<std::array<int, 3>, 9> rowsOf{};
                for (int col = 0; col < 9; ++col)
                    for (const int row : {0, 1, 2})
                        if (((row == 0 ? a : row == 1 ? b : c) >> col) & 1)
                            rowsOf[col][k[col]++] = row;
                Shape& shape = shapes[k];
                shape.Layouts += 1;
                for (int col = 0; col < 9; ++col)
                    for (int j = 0; j < k[col]; ++j)
                        shape.RowOfRank[col][j][rowsOf[col][j]] += 1;
            }
    auto factorial = [](int n) { return std::tgamma(n + 1.0); };
    auto choose = [&](int n, int r) { return r < 0 || r > n ? 0.0 : factorial(n) / (factorial(r) * factorial(n - r)); };
    for (auto& [k, shape] : shapes) {
        shape.Weight = shape.Layouts;
        for (const int n : k)
            shape.Weight /= factorial(n);
    }
    // Ways to fill `tickets` more tickets from what is left (the seven columns of ten are
    // alike, so they are counted in any order).
    std::map<std::pair<int, Counts>, double> memo;
    std::function<double(int, Counts)> complete = [&](int tickets, Counts left) -> double {
        if (tickets == 0)
            return std::all_of(left.begin(), left.end(), [](int n) { return n == 0; }) ? 1.0 : 0.0;
        Counts key = left;
        std::sort(key.begin() + 1, key.end() - 1);
        if (const auto at = memo.find({tickets, key}); at != memo.end())
            return at->second;
        double ways = 0;
        for (const auto& [k, shape] : shapes) {
            Counts rest{};
            bool fits = true;
            for (int col = 0; col < 9 && fits; ++col) {
                rest[col] = left[col] - k[col];
                fits = rest[col] >= tickets - 1 && rest[col] <= 3 * (tickets - 1);
            }
            if (fits)
                ways += shape.Weight * complete(tickets - 1, rest);
        }
        memo[{tickets, key}] = ways;
        return ways;
    };
    const double all = complete(6, sizes);
    std::array<std::array<double, 3>, 91> chance{};
    for (const auto& [k, shape] : shapes) {
        Counts rest{};
        for (int col = 0; col < 9; ++col)
            rest[col] = sizes[col] - k[col];
        const double first = shape.Weight * complete(5, rest) / all; // ticket 1 takes this shape
        if (first == 0)
            continue;
        for (int n = 1; n <= 90; ++n) {
            const int col = std::min(n / 10, 8);
            const int size = sizes[col];
            const int i = n - ColumnLow(col) + 1;
            const int kc = k[col];
            for (int j = 0; j < kc; ++j) {
                const double rank = choose(i - 1, j) * choose(size - i, kc - 1 - j) / choose(size - 1, kc - 1);
                for (int r = 0; r < 3; ++r)
                    chance[n][r] += 6 * first * (double(kc) / size) * rank * shape.RowOfRank[col][j][r] / shape.Layouts;
            }
        }
    }
    return chance;
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
    // Each number in each row as often as the exact chances say: 90 numbers x 2 degrees of
    // freedom. The chances themselves add up to one a number, and lean as they must: the
    // lowest number of a column stands in the top row far more often than in the bottom one.
    const auto chance = ExactRowChances();
    double rowChi = 0;
    for (int n = 1; n <= 90; ++n) {
        EXPECT_NEAR(chance[n][0] + chance[n][1] + chance[n][2], 1.0, 1e-9) << n;
        for (int r = 0; r < Rows; ++r) {
            const double want = Strips * chance[n][r];
            rowChi += (rows[n][r] - want) * (rows[n][r] - want) / want;
        }
    }
    EXPECT_GT(chance[10][0], 2 * chance[10][2]);
    EXPECT_NEAR(chance[10][0], chance[19][2], 1e-9); // a column's mirror
    EXPECT_LT(rowChi, Critical(90 * 2)) << rowChi;
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
