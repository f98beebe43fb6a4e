// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/NinetyBall.h"

#include "game/GameCode.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace NinetyBall {

namespace {

constexpr std::array<int, Columns> ColumnSizes = {9, 10, 10, 10, 10, 10, 10, 10, 11};

double Factorial(int n)
{
    double f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}

// 3 x 9 layouts with these column counts and 5 in every row.
double Layouts(const std::array<int, Columns>& counts)
{
    // Over the columns, how many layouts reach each row-count triple.
    std::unordered_map<int, double> ways{{0, 1.0}};
    for (const int count : counts) {
        std::unordered_map<int, double> next;
        for (const auto& [key, n] : ways) {
            const int rows[Rows] = {key / 36, key / 6 % 6, key % 6};
            for (int mask = 1; mask < 8; ++mask) {
                if (__builtin_popcount(static_cast<unsigned>(mask)) != count)
                    continue;
                int r[Rows];
                bool ok = true;
                for (int i = 0; i < Rows; ++i) {
                    r[i] = rows[i] + ((mask >> i) & 1);
                    ok = ok && r[i] <= 5;
                }
                if (ok)
                    next[r[0] * 36 + r[1] * 6 + r[2]] += n;
            }
        }
        ways = std::move(next);
    }
    return ways.count(5 * 36 + 5 * 6 + 5) ? ways.at(5 * 36 + 5 * 6 + 5) : 0.0;
}

int Uniform(const std::function<std::uint64_t()>& random, int below)
{
    // Without the bias of a plain modulus.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % static_cast<std::uint64_t>(below);
    std::uint64_t x;
    do
        x = random();
    while (x >= limit);
    return static_cast<int>(x % static_cast<std::uint64_t>(below));
}

double UniformReal(const std::function<std::uint64_t()>& random)
{
    return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("NinetyBall", text);
}

} // namespace

int ColumnLow(int c)
{
    return c == 0 ? 1 : c * 10;
}

int ColumnHigh(int c)
{
    return c == Columns - 1 ? 90 : c * 10 + 9;
}

QStringList Numbers()
{
    QStringList numbers;
    for (int n = 1; n <= 90; ++n)
        numbers << QString::number(n);
    return numbers;
}

bool IsNinetyNumbers(const QStringList& words)
{
    QStringList sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    return sorted == Numbers();
}

std::uint32_t TicketShape()
{
    // Not the check of any list: a ticket game's code is told from a card game's by it.
    return ShapeCheck(Numbers(), 90, false) ^ 0x5a5;
}

bool IsValidTicket(const Ticket& ticket, QString* why)
{
    auto fail = [&](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    for (int r = 0; r < Rows; ++r) {
        int filled = 0;
        for (int c = 0; c < Columns; ++c)
            filled += ticket.Cells[r][c] != 0;
        if (filled != 5)
            return fail(Tr(QT_TRANSLATE_NOOP("NinetyBall", "row %1 holds %2 numbers, not 5")).arg(r + 1).arg(filled));
    }
    for (int c = 0; c < Columns; ++c) {
        int last = 0, filled = 0;
        for (int r = 0; r < Rows; ++r) {
            const int n = ticket.Cells[r][c];
            if (n == 0)
                continue;
            ++filled;
            if (n < ColumnLow(c) || n > ColumnHigh(c))
                return fail(Tr(QT_TRANSLATE_NOOP("NinetyBall", "%1 does not belong in column %2")).arg(n).arg(c + 1));
            if (n <= last)
                return fail(Tr(QT_TRANSLATE_NOOP("NinetyBall", "column %1 does not rise from top to bottom")).arg(c + 1));
            last = n;
        }
        if (filled == 0)
            return fail(Tr(QT_TRANSLATE_NOOP("NinetyBall", "column %1 holds no number")).arg(c + 1));
    }
    return true;
}

bool IsValidStrip(const Strip& strip, QString* why)
{
    std::array<int, 91> seen{};
    for (int t = 0; t < TicketsPerStrip; ++t) {
        QString reason;
        if (!IsValidTicket(strip[t], &reason)) {
            if (why)
                *why = Tr(QT_TRANSLATE_NOOP("NinetyBall", "ticket %1: %2")).arg(t + 1).arg(reason);
            return false;
        }
        for (const auto& row : strip[t].Cells)
            for (const int n : row)
                if (n != 0 && ++seen[static_cast<size_t>(n)] > 1) {
                    if (why)
                        *why = Tr(QT_TRANSLATE_NOOP("NinetyBall", "%1 is on the strip twice")).arg(n);
                    return false;
                }
    }
    for (int n = 1; n <= 90; ++n)
        if (seen[static_cast<size_t>(n)] != 1) {
            if (why)
                *why = Tr(QT_TRANSLATE_NOOP("NinetyBall", "%1 is not on the strip")).arg(n);
            return false;
        }
    return true;
}

QString TicketPatternName(TicketPattern pattern)
{
    return pattern == TicketPattern::FullHouse ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "Full house"))
           : pattern == TicketPattern::TwoLines ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "Two lines"))
                                                : Tr(QT_TRANSLATE_NOOP("NinetyBall", "One line"));
}

std::vector<bool> CalledNumbers(const QStringList& calls)
{
    std::vector<bool> called(91, false);
    for (const QString& call : calls)
        if (const int n = call.toInt(); n >= 1 && n <= 90)
            called[static_cast<size_t>(n)] = true;
    return called;
}

TicketVerdict CheckTicket(const Ticket& ticket, const std::vector<bool>& called, TicketPattern pattern)
{
    // `called[n]`: number n has been called.
    std::array<int, Rows> missing{};
    for (int r = 0; r < Rows; ++r)
        for (const int n : ticket.Cells[static_cast<size_t>(r)])
            if (n != 0 && !(static_cast<size_t>(n) < called.size() && called[static_cast<size_t>(n)]))
                ++missing[static_cast<size_t>(r)];
    std::array<int, Rows> order = {0, 1, 2};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return missing[static_cast<size_t>(a)] < missing[static_cast<size_t>(b)]; });
    const int rowsNeeded = pattern == TicketPattern::OneLine ? 1 : pattern == TicketPattern::TwoLines ? 2 : 3;
    TicketVerdict verdict;
    for (int i = 0; i < rowsNeeded; ++i)
        verdict.Missing += missing[static_cast<size_t>(order[static_cast<size_t>(i)])];
    verdict.Won = verdict.Missing == 0;
    if (verdict.Won) {
        for (int i = 0; i < rowsNeeded; ++i)
            verdict.Rows.push_back(order[static_cast<size_t>(i)]);
        std::sort(verdict.Rows.begin(), verdict.Rows.end());
        verdict.Name = pattern == TicketPattern::FullHouse
                           ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "full house"))
                       : pattern == TicketPattern::TwoLines
                           ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "rows %1 and %2")).arg(verdict.Rows[0] + 1).arg(verdict.Rows[1] + 1)
                           : Tr(QT_TRANSLATE_NOOP("NinetyBall", "row %1")).arg(verdict.Rows[0] + 1);
        verdict.Text = pattern == TicketPattern::FullHouse
                           ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "Bingo: full house"))
                       : pattern == TicketPattern::TwoLines
                           ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "Bingo: rows %1 and %2")).arg(verdict.Rows[0] + 1).arg(verdict.Rows[1] + 1)
                           : Tr(QT_TRANSLATE_NOOP("NinetyBall", "Bingo: row %1")).arg(verdict.Rows[0] + 1);
        return verdict;
    }
    const QString goal = pattern == TicketPattern::FullHouse ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "a full house"))
                         : pattern == TicketPattern::TwoLines ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "two lines"))
                                                              : Tr(QT_TRANSLATE_NOOP("NinetyBall", "one line"));
    verdict.Text = (verdict.Missing == 1 ? Tr(QT_TRANSLATE_NOOP("NinetyBall", "No bingo yet: 1 number missing for %1"))
                                         : Tr(QT_TRANSLATE_NOOP("NinetyBall", "No bingo yet: %2 numbers missing for %1")))
                       .arg(goal)
                       .arg(verdict.Missing);
    return verdict;
}

StripDealer::StripDealer()
{
    // Every ticket's column counts: 1 to 3 a column, 15 numbers in all.
    Counts counts;
    std::function<void(int, int)> shape = [&](int column, int left) {
        if (column == Columns) {
            if (left == 0) {
                Shapes.push_back(counts);
                double weight = Layouts(counts);
                for (const int k : counts)
                    weight /= Factorial(k);
                Weights.push_back(weight);
            }
            return;
        }
        for (int k = 1; k <= 3; ++k) {
            counts[static_cast<size_t>(column)] = k;
            shape(column + 1, left - k);
        }
    };
    shape(0, 15);
    // Every count a deal can ask for, worked out now: dealing then only reads, on any thread.
    (void)Count();
}

std::uint64_t StripDealer::Key(int ticket, const Counts& remaining)
{
    // Columns 2 to 8 hold ten numbers each and count the same: their order does not matter,
    // so they go in as how many of them have each count left (0 to 10; at most 7 alike).
    std::uint64_t histogram = 0;
    for (size_t c = 1; c + 1 < Columns; ++c)
        histogram += std::uint64_t(1) << (3 * remaining[c]);
    return static_cast<std::uint64_t>(ticket) << 41 | static_cast<std::uint64_t>(remaining[0]) << 37 |
           static_cast<std::uint64_t>(remaining[Columns - 1]) << 33 | histogram;
}

bool StripDealer::Leaves(int ticket, const Counts& remaining, const Counts& shape, Counts& rest)
{
    // The tickets after this one need 1 to 3 numbers of every column each.
    const int after = TicketsPerStrip - ticket - 1;
    for (int c = 0; c < Columns; ++c) {
        const size_t i = static_cast<size_t>(c);
        rest[i] = remaining[i] - shape[i];
        if (rest[i] < after || rest[i] > 3 * after)
            return false;
    }
    return true;
}

double StripDealer::Completions(int ticket, const Counts& remaining) const
{
    if (ticket == TicketsPerStrip)
        return std::all_of(remaining.begin(), remaining.end(), [](int r) { return r == 0; }) ? 1.0 : 0.0;
    const std::uint64_t key = Key(ticket, remaining);
    if (const auto at = Memo.find(key); at != Memo.end())
        return at->second;
    double total = 0;
    Counts rest;
    for (size_t s = 0; s < Shapes.size(); ++s)
        if (Leaves(ticket, remaining, Shapes[s], rest))
            total += Weights[s] * Completions(ticket + 1, rest);
    Memo.emplace(key, total);
    return total;
}

double StripDealer::Count() const
{
    double ways = Completions(0, ColumnSizes);
    for (const int n : ColumnSizes)
        ways *= Factorial(n);
    return ways;
}

Strip StripDealer::Deal(const std::function<std::uint64_t()>& random) const
{
    // The tickets' column counts, each in proportion to the strips that complete it.
    std::array<Counts, TicketsPerStrip> shapes;
    Counts remaining = ColumnSizes;
    for (int t = 0; t < TicketsPerStrip; ++t) {
        double pick = UniformReal(random) * Completions(t, remaining);
        size_t chosen = Shapes.size();
        Counts chosenRest{};
        Counts rest;
        for (size_t s = 0; s < Shapes.size(); ++s) {
            if (!Leaves(t, remaining, Shapes[s], rest))
                continue;
            chosen = s;
            chosenRest = rest;
            pick -= Weights[s] * Completions(t + 1, rest);
            if (pick < 0)
                break;
        }
        shapes[static_cast<size_t>(t)] = Shapes[chosen];
        remaining = chosenRest;
    }
    // Each column's numbers shuffled and handed out in ticket order.
    std::array<std::vector<int>, Columns> numbers;
    for (int c = 0; c < Columns; ++c) {
        std::vector<int>& column = numbers[static_cast<size_t>(c)];
        for (int n = ColumnLow(c); n <= ColumnHigh(c); ++n)
            column.push_back(n);
        for (size_t i = column.size() - 1; i > 0; --i)
            std::swap(column[i], column[static_cast<size_t>(Uniform(random, static_cast<int>(i + 1)))]);
    }
    Strip strip{};
    std::array<size_t, Columns> taken{};
    for (int t = 0; t < TicketsPerStrip; ++t) {
        const Counts& counts = shapes[static_cast<size_t>(t)];
        // A layout drawn uniformly among those with these counts: rows drawn for each
        // column, kept when every row holds five.
        std::array<int, Columns> masks{};
        for (;;) {
            int rows[Rows] = {0, 0, 0};
            for (int c = 0; c < Columns; ++c) {
                static constexpr int ByCount[4][3] = {{0, 0, 0}, {1, 2, 4}, {3, 5, 6}, {7, 7, 7}};
                masks[static_cast<size_t>(c)] = ByCount[counts[static_cast<size_t>(c)]][Uniform(random, 3)];
                for (int r = 0; r < Rows; ++r)
                    rows[r] += (masks[static_cast<size_t>(c)] >> r) & 1;
            }
            if (rows[0] == 5 && rows[1] == 5 && rows[2] == 5)
                break;
        }
        for (int c = 0; c < Columns; ++c) {
            const size_t k = static_cast<size_t>(counts[static_cast<size_t>(c)]);
            std::vector<int> mine(numbers[static_cast<size_t>(c)].begin() + static_cast<long>(taken[static_cast<size_t>(c)]),
                                  numbers[static_cast<size_t>(c)].begin() + static_cast<long>(taken[static_cast<size_t>(c)] + k));
            taken[static_cast<size_t>(c)] += k;
            std::sort(mine.begin(), mine.end());
            size_t next = 0;
            for (int r = 0; r < Rows; ++r)
                if ((masks[static_cast<size_t>(c)] >> r) & 1)
                    strip[static_cast<size_t>(t)].Cells[static_cast<size_t>(r)][static_cast<size_t>(c)] = mine[next++];
        }
    }
    return strip;
}

Strip StripDealer::Deal(std::uint64_t seed) const
{
    SeededClock clock(MixBits(seed));
    return Deal([&clock] { return clock.Counter(); });
}

const StripDealer& Dealer()
{
    static const StripDealer dealer;
    return dealer;
}

StripGame::StripGame(const StripDealer& dealer, std::uint32_t seed) : Dealer(dealer), Seed(seed) {}

Strip StripGame::Attempt(int n, int attempt) const
{
    return Dealer.Deal(std::uint64_t(Seed) << 32 ^ std::uint64_t(n) << 8 ^ std::uint64_t(attempt));
}

void StripGame::Plan(int count)
{
    for (int n = Planned() + 1; n <= count; ++n)
        for (int attempt = 0;; ++attempt) {
            const Strip strip = Attempt(n, attempt);
            // Where every number stands: which ticket, row and column.
            std::uint64_t fingerprint = 1469598103934665603ull;
            std::array<int, 91> place{};
            for (int t = 0; t < TicketsPerStrip; ++t)
                for (int r = 0; r < Rows; ++r)
                    for (const int number : strip[static_cast<size_t>(t)].Cells[static_cast<size_t>(r)])
                        if (number != 0)
                            place[static_cast<size_t>(number)] = t * Rows + r;
            for (const int p : place)
                fingerprint = (fingerprint ^ static_cast<std::uint64_t>(p)) * 1099511628211ull;
            // About 10^50 strips: a repeat is all but impossible, and never kept.
            if (Seen.emplace(fingerprint, n).second || attempt == 255) {
                auto& cells = Made.emplace_back();
                size_t i = 0;
                for (const Ticket& ticket : strip)
                    for (const auto& row : ticket.Cells)
                        for (const int number : row)
                            cells[i++] = static_cast<std::uint8_t>(number);
                break;
            }
        }
}

Strip StripGame::At(int n) const
{
    Strip strip{};
    size_t i = 0;
    for (Ticket& ticket : strip)
        for (auto& row : ticket.Cells)
            for (int& number : row)
                number = Made[static_cast<size_t>(n - 1)][i++];
    return strip;
}

} // namespace NinetyBall
