// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

// A card as the player holds it: side x side texts in reading order (the free space in the
// centre when the card has one, words from the arrangement elsewhere) and the heading's
// letters. The checker marks it against the words called.
struct CardView {
    int Side = 5;
    QStringList Heading; // empty without a heading row
    QStringList Texts;
    int FreeCell = -1;   // the free space's index, or -1

    // The free space counts as called.
    std::vector<bool> Marked(const QSet<QString>& called) const;
    // One row per line, cells separated by tabs, called cells with a trailing "*".
    QString AsText(const QSet<QString>& called) const;
    // The card read out: "Heading: B, I, N, G, O. Row 1: 3, 19, 38, 57, 65. ... Row 3: 33,
    // 41, Free Space, ...". A cell without a word is "empty".
    QString Describe() const;
    // One place of the card as a table reads it, the heading row first where there is one:
    // its heading letter or its text ("empty" for a cell without a word); `cell` gets the
    // cell's index (-1 in the heading row). Empty outside the card.
    QString ReadAt(int row, int column, int* cell = nullptr) const;
};

CardView MakeCardView(const QStringList& cells, const CardOptions& options);
