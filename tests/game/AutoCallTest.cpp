// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Calls on a timer: when the next call falls due, through pauses, claims and a voice still
// speaking.
#include "game/AutoCall.h"

#include <gtest/gtest.h>

TEST(AutoCall, CallsFallDueAsCountedAndWait)
{
    using State = AutoCall::State;
    EXPECT_EQ(AutoCall::Clamped(1), 3);
    EXPECT_EQ(AutoCall::Clamped(600), 60);

    AutoCall off;
    EXPECT_FALSE(off.Advance(100000, false)); // off by default: nothing ever falls due
    off.Called(false);
    EXPECT_EQ(off.Now(), State::Off);

    // Each step: time passes (milliseconds) with the voice speaking or not; or the host or a
    // call acts. Then: due now?, the state, seconds on the countdown.
    enum class Act { Time, Pause, Resume, CallSpoken, CallSilent, Seconds };
    struct Step {
        Act act;
        int amount;
        bool speaking;
        bool due;
        State state;
        int left;
    };
    const Step steps[] = {
        {Act::Time, 2999, false, false, State::Counting, 1},
        {Act::Time, 1, false, true, State::Counting, 3},       // due at 3 s, and counting again
        {Act::CallSilent, 0, false, false, State::Counting, 3},
        {Act::Time, 1500, false, false, State::Counting, 2},
        {Act::Pause, 0, false, false, State::Paused, 2},
        {Act::Time, 60000, false, false, State::Paused, 2},     // a pause holds however long
        {Act::CallSilent, 0, false, false, State::Paused, 2},   // a call by hand leaves it paused
        {Act::Resume, 0, false, false, State::Counting, 3},     // a whole interval after resuming
        {Act::CallSpoken, 0, false, false, State::WaitingForSpeech, 3},
        {Act::Time, 10000, true, false, State::WaitingForSpeech, 3}, // the voice still speaking
        {Act::Time, 1000, false, false, State::Counting, 2},    // spoken: the count starts
        {Act::Seconds, 1, false, false, State::Counting, 2},    // 3 s at least
        {Act::Seconds, 10, false, false, State::Counting, 2},   // a longer interval from the next call
        {Act::Time, 2000, false, true, State::Counting, 10},
    };
    AutoCall timer;
    timer.SetSeconds(3);
    timer.Start();
    EXPECT_EQ(timer.SecondsLeft(), 3);
    int i = 0;
    for (const Step& step : steps) {
        bool due = false;
        switch (step.act) {
        case Act::Time: due = timer.Advance(step.amount, step.speaking); break;
        case Act::Pause: timer.Pause(); break;
        case Act::Resume: timer.Resume(); break;
        case Act::CallSpoken: timer.Called(true); break;
        case Act::CallSilent: timer.Called(false); break;
        case Act::Seconds: timer.SetSeconds(step.amount); break;
        }
        EXPECT_EQ(due, step.due) << "step " << i;
        EXPECT_EQ(timer.Now(), step.state) << "step " << i;
        EXPECT_EQ(timer.SecondsLeft(), step.left) << "step " << i;
        ++i;
    }
    timer.Stop();
    EXPECT_FALSE(timer.On());
    EXPECT_FALSE(timer.Advance(100000, false));
}
