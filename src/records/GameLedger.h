// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/SharedGame.h"
#include "records/GameHistory.h"

#include <functional>

// The phones' side of a game's ledger: a shared game's cards taken from the game's record at
// the moment each phone is dealt one, so a card printed, exported or dealt by any window or
// any plumwick-print since sharing began is never dealt again, and a phone's card is never
// printed again. A ticket game's record counts strips: a strip is taken whole and its six
// tickets are dealt in turn (what is left of it when sharing stops is dealt to no one).
// `note` hears what the user must be told (a record that can't be written); it may be called
// from the server's threads. Raises nothing: a ledger that can't be had deals nothing.
SharedGame::Ledger RecordedLedger(const GameRecord& game, std::function<void(const QString&)> note);
