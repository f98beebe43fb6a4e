// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CallingSession.h"

#include <algorithm>

CallingSession::CallingSession() : CallingSession(Game{}) {}

CallingSession::CallingSession(Game game) : What(std::move(game)), Calls(What.Words) {}

QStringList CallingSession::CalledWords() const
{
    QStringList words;
    for (const int index : Calls.Calls())
        words << Calls.Words()[index];
    return words;
}

int CallingSession::Call(std::uint64_t random, const QDateTime& at, bool speaking)
{
    const std::vector<int> skipped = SkippedColumns();
    const int index = skipped.empty() ? Calls.Draw(random) : Calls.Draw(random, [&](int i) {
        const int column = (Calls.Words()[i].toInt() - 1) / 15;
        return std::find(skipped.begin(), skipped.end(), column) == skipped.end();
    });
    if (index >= 0)
        Record.Called(Calls.Words()[index], at);
    if (index < 0 || Calls.Done())
        Timer.Stop();
    else
        Timer.Called(speaking);
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
    Round = PrizeRound(Round.Prizes());
    Timer.Stop();
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

void CallingSession::TakePrizes(const PrizeRound& saved, bool goingOn)
{
    Round = goingOn ? saved : PrizeRound(saved.Prizes());
}

void CallingSession::SetPrizes(std::vector<Prize> prizes)
{
    Round.SetPrizes(std::move(prizes));
}

bool CallingSession::Won(int card, const QString& line, bool& movedOn)
{
    movedOn = false;
    return Round.Confirm({card, line, Calls.CalledCount()}, movedOn);
}

void CallingSession::NextPrize()
{
    if (Round.Now())
        Round.Next();
}

const Pattern* CallingSession::PatternPlayed() const
{
    if (What.Tickets)
        return nullptr;
    if (const Prize* prize = Round.Now())
        return FindPattern(prize->Pattern, Own);
    return &Chosen;
}

std::vector<int> CallingSession::SkippedColumns() const
{
    if (!Skip || !CanSkip())
        return {};
    const Pattern* pattern = PatternPlayed();
    return pattern ? ColumnsUnused(*pattern, 5) : std::vector<int>();
}

bool CallingSession::StartAuto()
{
    if (Calls.Done() || Calls.Total() == 0) {
        Timer.Stop();
        return false;
    }
    Timer.Start();
    return true;
}

void CallingSession::PauseAuto(bool pause)
{
    if (pause)
        Timer.Pause();
    else
        Timer.Resume();
}
