// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/CallerDraw.h"
#include "game/GameLog.h"

#include <QDateTime>
#include <QStringList>
#include <cstdint>
#include <functional>

// A game as it is called: its draw, and its log of each call and each take-back with the
// time it was made, and of the claims the host settled. What is recorded is decided here:
// a call is logged as it is drawn, a take-back is kept beside the calls it leaves, a new
// game starts an empty log, and a game gone on with keeps the times its log has for the
// calls it goes on from. The caller window shows it, drives it and saves it after each
// change; it holds no widget and writes no file.
class CallingSession {
public:
    explicit CallingSession(const QStringList& words = {});

    const CallerDraw& Draw() const { return Calls; }
    const GameLog& Log() const { return Record; }
    // The words called so far, in order.
    QStringList CalledWords() const;

    // The next call, drawn with `random` among the words `allowed` lets through (every word
    // where none is given), logged at `at`: its word's index, -1 where none is left.
    int Call(std::uint64_t random, const QDateTime& at, const std::function<bool(int index)>& allowed = {});
    // The last call taken back at `at`: the index of its word, -1 where nothing was called.
    int TakeBack(const QDateTime& at);
    // A new game of the same words: no calls, an empty log.
    void Restart();
    // Goes on where a saved game stopped: its calls, and its log's times where they agree.
    void GoOn(const CallerDraw& saved, const GameLog& log);
    void Claimed(int card, const QString& text, bool confirmed, const QDateTime& at, bool hostsDecision = false);

private:
    CallerDraw Calls;
    GameLog Record;
};
