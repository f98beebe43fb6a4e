// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// 90-ball bingo as played in Britain, Ireland, Australia and across Europe. A ticket has 3
// rows and 9 columns; each row holds 5 numbers and 4 blanks; column 1 holds numbers from 1 to
// 9, column 2 from 10 to 19, ..., column 9 from 80 to 90; every column holds at least one
// number, rising from top to bottom. A strip of 6 tickets holds every number from 1 to 90
// exactly once.
namespace NinetyBall {

inline constexpr int Rows = 3;
inline constexpr int Columns = 9;
inline constexpr int TicketsPerStrip = 6;
// A job of at most 99,999 tickets: 16,666 strips (a page of two may add one more).
inline constexpr int MaxStrips = 16666;

struct Ticket {
    std::array<std::array<int, Columns>, Rows> Cells{}; // 0: a blank
    bool operator==(const Ticket&) const = default;
};
using Strip = std::array<Ticket, TicketsPerStrip>;

// The numbers of column c (0-based): 1-9, 10-19, ..., 80-90.
int ColumnLow(int c);
int ColumnHigh(int c);

// The numbers 1 to 90, as the words of a 90-ball game (its call list and caller).
QStringList Numbers();
// Whether a word list is the numbers 1 to 90, each once, in any order.
bool IsNinetyNumbers(const QStringList& words);
// The shape part of every ticket game's code: the list and the tickets are always the same.
std::uint32_t TicketShape();

// Whether it keeps every rule; `why` says the first one it breaks.
bool IsValidTicket(const Ticket& ticket, QString* why = nullptr);
bool IsValidStrip(const Strip& strip, QString* why = nullptr);

// What a ticket wins on: one row complete, two rows, or all fifteen numbers.
enum class TicketPattern { OneLine, TwoLines, FullHouse };
inline constexpr TicketPattern TicketPatterns[] = {TicketPattern::OneLine, TicketPattern::TwoLines, TicketPattern::FullHouse};
// "One line", "Two lines", "Full house".
QString TicketPatternName(TicketPattern pattern);
// The calls as flags: `called[n]` for each number n from 1 to 90 among them.
std::vector<bool> CalledNumbers(const QStringList& calls);

struct TicketVerdict {
    bool Won = false;
    int Missing = 0;       // numbers still to call for the pattern, at the fewest
    std::vector<int> Rows; // the complete rows that win (0-based), all three for a full house
    QString Text;          // "Bingo: rows 1 and 3", "No bingo yet: 2 numbers missing for one line"
    QString Name;          // of the win: "rows 1 and 3", "full house"
};

TicketVerdict CheckTicket(const Ticket& ticket, const std::vector<bool>& called, TicketPattern pattern);

// Deals strips chosen uniformly among every valid strip. The six tickets' column counts are
// drawn in turn, each weighted by how many strips complete it (counted once, when the dealer
// is made); each ticket's layout is then drawn uniformly among those with its column counts,
// and each column's numbers are split among the tickets by a uniform shuffle.
class StripDealer {
public:
    StripDealer();
    // `random` gives 64 uniformly random bits a call. Safe on several threads at once.
    Strip Deal(const std::function<std::uint64_t()>& random) const;
    // The strip of a seed: random bits drawn from it by a well-mixed sequence, so that any
    // reading of a clock, however regular, deals a fair strip.
    Strip Deal(std::uint64_t seed) const;
    // How many valid strips there are, as a double.
    double Count() const;

private:
    using Counts = std::array<int, Columns>;
    double Completions(int ticket, const Counts& remaining) const;
    // Whether ticket `ticket` can take `shape` out of `remaining` and leave the tickets after it
    // a strip to complete; `rest` gets what is left.
    static bool Leaves(int ticket, const Counts& remaining, const Counts& shape, Counts& rest);
    static std::uint64_t Key(int ticket, const Counts& remaining);

    std::vector<Counts> Shapes;  // every ticket's column counts: 1 to 3 each, 15 in all
    std::vector<double> Weights; // layouts of the shape, over the product of the counts' factorials
    mutable std::unordered_map<std::uint64_t, double> Memo;
};

// The program's dealer, made on first use (its counting takes a few milliseconds).
const StripDealer& Dealer();

// A numbered 90-ball game: strip n of a seed is the same strip every time it is made (so the
// code of a game prints or checks any strip again), and no two strips of a game are alike.
class StripGame {
public:
    StripGame(const StripDealer& dealer, std::uint32_t seed);
    // Works out strips 1 .. count, going on from those already worked out.
    void Plan(int count);
    int Planned() const { return static_cast<int>(Made.size()); }
    // Strip n (1-based, at most Planned()).
    Strip At(int n) const;

private:
    Strip Attempt(int n, int attempt) const;

    const StripDealer& Dealer;
    std::uint32_t Seed;
    // The strips worked out, a byte a cell (a strip is dealt once, however often it is read).
    std::vector<std::array<std::uint8_t, TicketsPerStrip * Rows * Columns>> Made;
    std::unordered_map<std::uint64_t, int> Seen; // the strips' fingerprints
};

} // namespace NinetyBall
