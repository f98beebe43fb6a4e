// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/AutoCall.h"
#include "game/CallerDraw.h"
#include "game/GameLog.h"
#include "game/Patterns.h"
#include "game/Prizes.h"

#include <QDateTime>
#include <QStringList>
#include <cstdint>
#include <functional>

// A game as it is called: its draw; its log of each call and each take-back with the time
// it was made, and of the claims the host settled; the prizes played in turn and their
// winners; Auto Call's state; and, for a 75-ball card, the columns the pattern played can't
// use, left uncalled where the host asks. What is recorded is decided here: a call is logged
// as it is drawn, a take-back is kept beside the calls it leaves, a new game starts an empty
// log with the same prizes won by no one, and a game gone on with keeps the times its log
// has for the calls it goes on from. Auto Call stops wherever the game leaves nothing to
// call. The caller window shows it, drives it and saves it after each change; it holds no
// widget and reads or writes no file.
class CallingSession {
public:
    // What is called: the words, and whether they are the numbers 1 to 75 in their columns
    // on a card of `side` (the only game whose columns may be skipped), or tickets.
    struct Game {
        QStringList Words;
        bool ColumnGame = false;
        int Side = 5;
        bool Tickets = false;
    };
    CallingSession();
    explicit CallingSession(Game game);

    const CallerDraw& Draw() const { return Calls; }
    const GameLog& Log() const { return Record; }
    const Game& Played() const { return What; }
    // The words called so far, in order.
    QStringList CalledWords() const;

    // The next call, drawn with `random` among the words left (and, while skipping, those the
    // pattern can use), logged at `at`: its word's index, -1 where none is left. Auto Call
    // counts again from it (once it is read where `speaking`), or stops where it was the last.
    int Call(std::uint64_t random, const QDateTime& at, bool speaking = false);
    // The last call taken back at `at`: the index of its word, -1 where nothing was called.
    int TakeBack(const QDateTime& at);
    // A new game of the same words: no calls, an empty log, the prizes won by no one, Auto
    // Call off.
    void Restart();
    // Goes on where a saved game stopped: its calls, and its log's times where they agree.
    void GoOn(const CallerDraw& saved, const GameLog& log);
    void Claimed(int card, const QString& text, bool confirmed, const QDateTime& at, bool hostsDecision = false);

    // Prizes in turn. A saved round is taken with its winners where the game goes on, else
    // its prizes alone.
    const PrizeRound& Prizes() const { return Round; }
    void TakePrizes(const PrizeRound& saved, bool goingOn);
    void SetPrizes(std::vector<Prize> prizes);
    // A win the host confirmed for the prize played, with the calls made so far: false where
    // it can't count (no prize played, or this card has won it already).
    bool Won(int card, const QString& line, bool& movedOn);
    void NextPrize();

    // The pattern played: the prize's, else the one chosen for claims; null for tickets.
    // The host's own patterns are given, as they may change while the game is played.
    void Choose(const Pattern& chosen) { Chosen = chosen; }
    void SetOwnPatterns(std::vector<Pattern> own) { Own = std::move(own); }
    const std::vector<Pattern>& OwnPatterns() const { return Own; }
    const Pattern* PatternPlayed() const;

    // Skipping: a 5 x 5 card's columns the pattern played can't use are not called.
    bool CanSkip() const { return What.ColumnGame && What.Side == 5 && !What.Tickets; }
    void SetSkipping(bool on) { Skip = on; }
    bool Skipping() const { return Skip; }
    std::vector<int> SkippedColumns() const; // 0-based; empty when nothing is skipped

    // Auto Call. Starting is refused (false) where nothing is left to call.
    const AutoCall& Auto() const { return Timer; }
    bool StartAuto();
    void StopAuto() { Timer.Stop(); }
    void PauseAuto(bool pause);
    void SetAutoSeconds(int seconds) { Timer.SetSeconds(seconds); }
    // Time passing; true when the next call is due.
    bool AutoDue(int milliseconds, bool speaking) { return Timer.Advance(milliseconds, speaking); }

private:
    Game What;
    CallerDraw Calls;
    GameLog Record;
    PrizeRound Round;
    Pattern Chosen;
    std::vector<Pattern> Own;
    bool Skip = false;
    AutoCall Timer;
};
