// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/NinetyBall.h"
#include "game/Patterns.h"

#include <QByteArray>
#include <QString>
#include <vector>

// A game played for prizes in turn: one line, then two lines, then a full house; or any
// line, then four corners, then the full card. Each prize is a pattern (a card pattern's key,
// or "one", "two", "house" for 90-ball tickets) and how many cards may win it. A confirmed
// claim for the prize being played is a winner; once the prize has as many winners as it
// takes, the game moves to the next. A prize any number may win moves on only when the
// host says so. No prizes: the game is played as before, for the pattern chosen.
struct Prize {
    QString Pattern;
    int Winners = 1; // 0: as many as claim, until the host moves on
    bool operator==(const Prize&) const = default;
};

struct PrizeWinner {
    int Card = 0;
    QString Line;    // "row 2", "Four corners"
    int Calls = 0;   // the calls made when it was confirmed
    bool operator==(const PrizeWinner&) const = default;
};

// A ticket prize's pattern ("two", "house"; one line for anything else), and its key.
NinetyBall::TicketPattern TicketPrizePattern(const QString& key);
QString TicketPrizeKey(NinetyBall::TicketPattern pattern);
// A prize's pattern by name ("Four corners"); the key itself where no pattern has it.
QString PrizeName(const QString& key, bool tickets, const std::vector<Pattern>& own = {});

class PrizeRound {
public:
    PrizeRound() = default;
    explicit PrizeRound(std::vector<Prize> prizes);

    // The usual evenings: 90-ball's one line, two lines, full house; 75-ball's any line,
    // four corners, full card.
    static std::vector<Prize> Usual(bool tickets);

    bool Active() const { return !List.empty(); }
    const std::vector<Prize>& Prizes() const { return List; }
    int Current() const { return Playing; } // Prizes().size() once every prize is won
    bool Over() const { return Active() && Playing >= static_cast<int>(List.size()); }
    // The prize being played; null when none is (no prizes, or all won).
    const Prize* Now() const;
    const std::vector<std::vector<PrizeWinner>>& Winners() const { return Won; }

    // A claim for the prize being played, confirmed by the host. False when it can't count:
    // no prize is being played, or the card has won this prize already. `movedOn` says the
    // prize now has all its winners and the next is being played.
    bool Confirm(const PrizeWinner& winner, bool& movedOn);
    // The host moves on to the next prize, whoever has won this one.
    void Next();
    // The prizes changed while the game is played: the winners of prizes kept stay theirs.
    void SetPrizes(std::vector<Prize> prizes);

    // Kept beside the game's calls, as JSON; a round that can't be read is no round.
    QByteArray Save() const;
    static PrizeRound Load(const QByteArray& json);
    bool operator==(const PrizeRound&) const = default;

private:
    std::vector<Prize> List;
    int Playing = 0;
    std::vector<std::vector<PrizeWinner>> Won; // one list per prize
};
