// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

class QComboBox;

// A box of winning patterns, the first chosen: a card's (any line, four corners, X, full
// card) or a 90-ball ticket's (one line, two lines, full house), each with its enum's value.
void FillPatternBox(QComboBox* box, bool tickets);
