// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "card/RandomSource.h"
#include "platform/Clock.h"

void RandomSource::Reseed()
{
    State = static_cast<std::uint32_t>(SeedClock.Counter());
}

std::uint32_t RandomSource::Next(std::uint32_t m)
{
    State = State * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(State) * m) >> 32);
}
