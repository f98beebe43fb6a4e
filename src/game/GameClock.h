#pragma once
#include "platform/Clock.h"

#include <cstdint>

// The counter that seeds card n of a game in place of the clock: a fixed, well-mixed
// sequence from the game's seed, the card's number and the try (a card that repeats an
// earlier one is arranged again with the next try). The same three give the same card on
// any machine.
class GameClock final : public Clock {
public:
    GameClock(std::uint32_t seed, int card, int attempt);
    std::uint64_t Counter() override;

private:
    std::uint64_t State;
};
