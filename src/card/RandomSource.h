// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <cstdint>

class Clock;

// The run-time's 32-bit linear congruential generator that card arrangements have always
// been drawn from: state = state * 134775813 + 1 (mod 2^32), and an index in 0 .. m-1 is the
// upper half of the 64-bit product of the new state and m. Reseeding takes the lower
// 32 bits of the clock's counter.
class RandomSource {
public:
    explicit RandomSource(Clock& clock) : SeedClock(clock) {}

    void Reseed();
    void SetState(std::uint32_t state) { State = state; }
    std::uint32_t CurrentState() const { return State; }

    // A random index in 0 .. m-1 (m > 0).
    std::uint32_t Next(std::uint32_t m);

private:
    Clock& SeedClock;
    std::uint32_t State = 0;
};
