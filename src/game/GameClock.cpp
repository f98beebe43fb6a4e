// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/GameClock.h"
#include "platform/Clock.h"

std::uint64_t GameCardCounter(std::uint32_t seed, int card, int attempt)
{
    return MixBits(MixBits(0x506C756D7769636Bull ^ seed) + static_cast<std::uint64_t>(card)) ^
           (static_cast<std::uint64_t>(attempt) << 40);
}
