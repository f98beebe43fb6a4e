// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CallingSession.h"

CallingSession::CallingSession(const QStringList& words) : Calls(words) {}

QStringList CallingSession::CalledWords() const
{
    QStringList words;
    for (const int index : Calls.Calls())
        words << Calls.Words()[index];
    return words;
}

int CallingSession::Call(std::uint64_t random, const QDateTime& at, const std::function<bool(int index)>& allowed)
{
    const int index = allowed ? Calls.Draw(random, allowed) : Calls.Draw(random);
    if (index >= 0)
        Record.Called(Calls.Words()[index], at);
    return index;
}

int CallingSession::TakeBack(const QDateTime& at)
{
    if (Calls.CalledCount() == 0)
        return -1;
    const int index = Calls.Calls().back();
    if (!Calls.Undo())
        return -1;
    Record.Undone(at);
    return index;
}

void CallingSession::Restart()
{
    Calls.Restart();
    Record = GameLog();
}

void CallingSession::GoOn(const CallerDraw& saved, const GameLog& log)
{
    Calls = saved;
    Record = log;
    Record.Follow(CalledWords());
}

void CallingSession::Claimed(int card, const QString& text, bool confirmed, const QDateTime& at, bool hostsDecision)
{
    Record.Claimed(card, text, confirmed, at, hostsDecision);
}
