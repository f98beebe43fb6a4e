// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"
#include "game/CardView.h"
#include "game/Patterns.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// Checking a claimed card: the code read, the list and options checked against it, card n
// made again, marked with the words called and judged for a pattern. Shared by the
// checker window and plumwick-print --check.
struct CardCheck {
    QString Error; // set when the check could not be made; nothing else is then
    QString Code;  // the code as printed
    CardView Card;
    Verdict Result;
    // Said beside the verdict where the game's count is not known here: "This computer has
    // no record of game K7F2-9QXA, so it cannot confirm how many cards the game has."
    QString Note;
};

struct GameCode;
// Why a code does not fit this list and these options, in words: another card size or free
// space where the list is the same ("Game K7F2-9QXA has cards of 3 x 3 without a free space,
// but ..."), else another word list.
QString ShapeMismatchText(const GameCode& code, const QStringList& words, const CardOptions& options);

// `knownCards`: the game's count where the history knows it (0: unknown).
CardCheck CheckCard(const QStringList& words, const CardOptions& options, const QString& code, int card,
                    int knownCards, const QSet<QString>& called, const Pattern& pattern);
