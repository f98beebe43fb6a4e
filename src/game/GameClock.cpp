#include "game/GameClock.h"

namespace {

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

GameClock::GameClock(std::uint32_t seed, int card, int attempt)
    : State(Mix(Mix(0x506C756D7769636Bull ^ seed) + static_cast<std::uint64_t>(card)) ^
            (static_cast<std::uint64_t>(attempt) << 40))
{
}

std::uint64_t GameClock::Counter()
{
    // splitmix64 steps: every reading well mixed, as the column rule reseeds at every pick.
    return Mix(State += 0x9E3779B97F4A7C15ull);
}
