// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <random>
#include <sys/random.h>

namespace {

struct ProcessKey {
    std::uint64_t First = 0;
    std::uint64_t Second = 0;
    ProcessKey()
    {
        std::uint64_t bytes[2] = {};
        if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
            std::random_device device;
            bytes[0] = (std::uint64_t(device()) << 32) ^ device();
            bytes[1] = (std::uint64_t(device()) << 32) ^ device();
        }
        First = bytes[0];
        Second = bytes[1];
    }
};

} // namespace

std::uint64_t SteadyClock::Counter()
{
    // Picks come a few tens of nanoseconds apart, and the generator's first output over
    // seeds that close together is a regular lattice, not a random number. Passed through a
    // mixer keyed once per process from the system's random source, readings a nanosecond
    // apart give unrelated seeds; the sequence number keeps two equal readings apart.
    static const ProcessKey key;
    static std::atomic<std::uint64_t> sequence{0};
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
    const std::uint64_t n = sequence.fetch_add(1, std::memory_order_relaxed);
    return MixBits(MixBits(nanoseconds ^ key.First) + key.Second + n * 0x9E3779B97F4A7C15ull);
}

std::uint64_t MixBits(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {
constexpr std::uint64_t Step = 0x9E3779B97F4A7C15ull; // splitmix64's increment
}

std::uint64_t SeededClock::Counter()
{
    // splitmix64: every step gives a well-mixed value, so reseeding before every pick
    // still gives independent draws.
    return MixBits(State += Step);
}

void SeededClock::Skip(std::uint64_t reads)
{
    State += reads * Step;
}
