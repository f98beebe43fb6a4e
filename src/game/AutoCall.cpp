// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/AutoCall.h"

#include <algorithm>

int AutoCall::Clamped(int seconds)
{
    return std::clamp(seconds, MinSeconds, MaxSeconds);
}

void AutoCall::SetSeconds(int seconds)
{
    Interval = Clamped(seconds);
    Left = std::min(Left, Interval * 1000);
}

void AutoCall::Start()
{
    Current = State::Counting;
    Left = Interval * 1000;
}

void AutoCall::Stop()
{
    Current = State::Off;
    Left = 0;
}

void AutoCall::Pause()
{
    if (Current != State::Off)
        Current = State::Paused;
}

void AutoCall::Resume()
{
    if (Current == State::Paused)
        Start();
}

void AutoCall::Called(bool speaking)
{
    if (Current == State::Off || Current == State::Paused)
        return;
    Current = speaking ? State::WaitingForSpeech : State::Counting;
    Left = Interval * 1000;
}

bool AutoCall::Advance(int milliseconds, bool speaking)
{
    if (Current == State::WaitingForSpeech && !speaking)
        Current = State::Counting;
    if (Current != State::Counting)
        return false;
    Left -= std::max(0, milliseconds);
    if (Left > 0)
        return false;
    Left = Interval * 1000;
    return true;
}

int AutoCall::SecondsLeft() const
{
    return (std::max(0, Left) + 999) / 1000;
}
