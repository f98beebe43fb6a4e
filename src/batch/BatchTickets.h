// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

struct BatchOptions;

// plumwick-print --tickets: strips of 90-ball tickets printed (a new game, a game again or
// plain strips), their call list, or a ticket of a game checked (0 bingo, 4 not yet).
// Returns the exit status as RunBatch does.
int RunTicketBatch(const BatchOptions& options);
