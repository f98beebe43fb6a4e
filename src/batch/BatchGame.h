// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"

#include <QString>
#include <QStringList>
#include <optional>

struct BatchOptions;
class NumberedGame;

// plumwick-print's numbered games: the game a job prints (new or again), and the check of
// a claimed card. Messages go to standard error as the other messages do.

// The game of a job with --numbered or --game, planned for the job's `count` cards from
// `first` on; nullopt when the job is no game. A new game takes a code no game here has had;
// with --more the cards are taken from the game's ledger (`first` is then the first of them),
// else `first` is 1. Sets `status` to 1 (with a message) when it can't be made.
std::optional<NumberedGame> BatchGameFor(const BatchOptions& options, const QStringList& words,
                                         CardOptions& card, int count, int& first, int& status);

// --check: writes the card as text and the verdict; 0 for a bingo, 4 for none, 1 for errors.
// --record CODE: the game's record from what the caller saved, as PDF or CSV.
int RunRecord(const BatchOptions& options);
// The patterns --pattern takes, a line each: the key, then the name.
QString PatternListing();
int RunCheck(const BatchOptions& options, const QStringList& words, CardOptions card);

// The card options a game was printed with, where the history knows the code.
void ApplyGameOptions(const QString& code, CardOptions& card);
