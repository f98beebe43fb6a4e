// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <cstdint>

// Where the counter that seeds card n of a game starts, in place of the clock: a
// SeededClock from here gives a fixed, well-mixed sequence from the game's seed, the card's
// number and the try (a card that repeats an earlier one is arranged again with the next
// try). The same three give the same card on any machine.
std::uint64_t GameCardCounter(std::uint32_t seed, int card, int attempt);
