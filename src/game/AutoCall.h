// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

// Calls on a timer: the next call every so many seconds, counted down; the host pauses and
// resumes it, a claim pauses it, and where calls are read aloud the countdown starts only
// once the last call has been spoken. Time is given to it in steps, so it runs the same
// under a test as under a window's timer.
class AutoCall {
public:
    static constexpr int MinSeconds = 3;
    static constexpr int MaxSeconds = 60;
    static constexpr int DefaultSeconds = 8;
    static int Clamped(int seconds);

    enum class State { Off, Counting, WaitingForSpeech, Paused };

    void SetSeconds(int seconds);
    int Seconds() const { return Interval; }
    // On: a whole interval to the next call. Off: nothing counts.
    void Start();
    void Stop();
    State Now() const { return Current; }
    bool On() const { return Current != State::Off; }
    // Paused stays paused until resumed; resuming counts a whole interval again.
    void Pause();
    void Resume();
    // A call was made (by the timer or by hand): the count starts again, or, where the call
    // is being spoken, once it has been.
    void Called(bool speaking);
    // Time passes; `speaking` says whether the voice is still saying the last call. True when
    // the next call is due (the count then starts again with the call made).
    bool Advance(int milliseconds, bool speaking);
    // Whole seconds to the next call, rounded up, for the countdown.
    int SecondsLeft() const;

private:
    int Interval = DefaultSeconds;
    int Left = 0; // milliseconds
    State Current = State::Off;
};
