// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/NinetyBall.h"

#include <QString>
#include <vector>

// Checking a claimed ticket of a numbered 90-ball game: the code read, its strip made again,
// the ticket marked with the numbers called and judged. Shared by the checker window and
// plumwick-print --check.
struct TicketCheck {
    QString Error; // set when the check could not be made; nothing else is then
    QString Code;  // the code as printed
    int Strip = 0;
    int Ticket = 0; // 1 to 6 on its strip
    NinetyBall::Ticket Shown{};
    NinetyBall::TicketVerdict Result;
    QString Note; // where the game's count is not known here
};

// Whether a typed code is that of a game of tickets.
bool IsTicketCode(const QString& typed);

// `strip` 0: `ticket` counts through the game (ticket 8 is ticket 2 of strip 2); else
// `ticket` is 1 to 6 on that strip. `knownStrips`: the game's count where the history knows
// it (0: unknown). `called[n]`: number n has been called.
TicketCheck CheckGameTicket(const QString& code, int strip, int ticket, int knownStrips, const std::vector<bool>& called,
                            NinetyBall::TicketPattern pattern);
