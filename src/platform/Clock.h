// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <cstdint>

// The high-resolution counter that seeds the card generator. The real one is the steady
// clock in nanoseconds, well mixed so that readings close together seed unrelated draws;
// batch printing with a seed puts a deterministic sequence in its place.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t Counter() = 0;
};

// The 64-bit finaliser of splitmix64: every input bit changes about half the output bits.
std::uint64_t MixBits(std::uint64_t z);

class SteadyClock final : public Clock {
public:
    std::uint64_t Counter() override;
};

// A counter that follows a fixed sequence from a seed, for batches that must come out the
// same run after run.
class SeededClock final : public Clock {
public:
    explicit SeededClock(std::uint64_t seed) : State(seed) {}
    std::uint64_t Counter() override;
    // Moves on as `reads` readings would, at once: where a job's n-th card or strip starts.
    void Skip(std::uint64_t reads);

private:
    std::uint64_t State;
};
