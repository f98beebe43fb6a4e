// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Surface.h"
#include <cstdint>

int PointsToPixels(int points, int dotsPerInch)
{
    const std::int64_t product = static_cast<std::int64_t>(points) * dotsPerInch;
    const std::int64_t half = 36;
    const std::int64_t rounded = product >= 0 ? (product + half) / 72 : (product - half) / 72;
    return static_cast<int>(rounded);
}
