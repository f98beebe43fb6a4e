// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Patterns.h"

class QComboBox;

// A box of winning patterns, the first chosen: a 90-ball ticket's (one line, two lines, full
// house; each with its enum's value), or those a card of `side` is played for (the four
// classics, the named shapes, the host's own; 0: every side's), each with its key.
void FillPatternBox(QComboBox* box, bool tickets, int side = 0);
// The card pattern the box shows (any line where it shows none).
Pattern BoxPattern(const QComboBox* box);
// Shows the pattern of that key where the box has it (a ticket's "one", "two", "house"
// where the box holds tickets); false where it has not.
bool ChoosePattern(QComboBox* box, const QString& key);
// The key of the pattern the box shows, as a prize names it.
QString BoxKey(const QComboBox* box);
