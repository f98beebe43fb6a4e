// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Clock.h"

// A clock that counts up by a fixed step, so every arrangement is repeatable.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(std::uint64_t start = 1, std::uint64_t step = 7919) : Now(start), Step(step) {}
    std::uint64_t Counter() override { return Now += Step; }
    std::uint64_t Now;
    std::uint64_t Step;
};
