#include "platform/Clock.h"
#include <chrono>

std::uint64_t SteadyClock::Counter()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

std::uint64_t SeededClock::Counter()
{
    // splitmix64: every step gives a well-mixed value, so reseeding before every pick
    // still gives independent draws.
    std::uint64_t z = (State += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
