// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/WinPatterns.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The patterns a card may be played for: the four every card size plays (any line, four
// corners, X, full card), the named shapes halls play on 5 x 5 cards, and the host's own,
// drawn on a 3 x 3, 5 x 5 or 7 x 7 grid. A shape wins when every cell it covers is marked;
// one "any way round" may stand turned a quarter, half or three quarters, or mirrored.
struct Pattern {
    QString Key;               // "line", "postage-stamp"; the host's own: their name
    QString Name;              // as shown: "Postage stamp"
    int Side = 0;              // the card side it is drawn for; 0: any side (the four classics)
    std::vector<bool> Cells;   // Side x Side in reading order, as drawn
    bool AnyWayRound = false;
    std::optional<WinPattern> Classic; // set for the four every side plays
    bool Own = false;          // drawn by the host

    bool PlaysOn(int side) const { return Side == 0 || Side == side; }
    // The cells it covers on a card of `side`, as drawn (a classic's drawn for that side;
    // any line as the middle row).
    std::vector<bool> Drawn(int side) const;
    // Every distinct way it may stand, as lists of cells; one where it is not any way round.
    std::vector<std::vector<int>> WaysRound() const;
    bool operator==(const Pattern&) const = default;
};

// The classics and the named shapes, in the order a chooser lists them.
const std::vector<Pattern>& PatternLibrary();
// The library's pattern of that key, then the host's of that name, then the library's of that
// name as shown ("Postage stamp"), in either case; null if none.
const Pattern* FindPattern(const QString& key, const std::vector<Pattern>& own = {});
// Whether a pattern that comes with the program has this key or name (either case): the
// host's own may not take it.
bool LibraryHasName(const QString& name);
// The library's classic.
const Pattern& ClassicPattern(WinPattern pattern);
// The patterns a card of `side` can be played for: the library's, then the host's; every
// pattern where `side` is 0.
std::vector<const Pattern*> PatternsFor(int side, const std::vector<Pattern>& own);

// A card's marks judged for a pattern; a classic as CheckPattern judges it. A shape that
// does not fit the card's side is never a bingo.
Verdict CheckFor(const std::vector<bool>& marked, int side, const Pattern& pattern,
                 const QStringList& headingLetters = {});

// The columns (0-based) no way round of the pattern covers: a 75-ball card's numbers in such
// a column can't help it win. Empty for the classics but four corners and X.
std::vector<int> ColumnsUnused(const Pattern& pattern, int side);

// The host's patterns as kept in a text file, one block each, blocks apart by a blank line:
//   Arrow
//   any way round
//   ..X..
//   .XXX.
//   ...
// The name first, then optionally "any way round", then the rows: 3, 5 or 7 of as many
// cells, X (or x, #, 1) a cell the pattern covers, . (or -, 0, o) one it leaves. Lines
// starting with # before a name are notes.
struct PatternFile {
    std::vector<Pattern> Patterns;
    QStringList Problems; // "Pattern 2 (Arrow): the rows are not all 5 long", one per block left out
};
PatternFile ReadPatterns(const QByteArray& text);
QByteArray WritePatterns(const std::vector<Pattern>& patterns);
// A pattern the host drew: named, with a side of 3, 5 or 7, at least one cell covered.
// Empty when it is usable, else why not.
QString PatternProblem(const Pattern& pattern);
