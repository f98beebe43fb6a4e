// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

class CardLook;
class CellFitCache;
class Surface;
struct EvenSizes;

// Where a card's grid goes and how its texts fit: the printed card (square cells, two "M"
// of margin) and the window's sample card (cells as wide and high as the box allows, one
// "M") are both this.
struct CardPlacement {
    QPoint Corner;      // the grid's top-left corner
    int CellWidth = 0;
    int CellHeight = 0;
    int Rows = 0;       // with the heading row
    int Cols = 0;
    int Margin = 2;     // widths of "M" a text leaves free across its cell
    // The sample card fits the free space's text to the whole cell, its lines included.
    bool FreeSpaceTextOnWholeCell = false;

    // Cell k (1 to side x side, in reading order) of the card's words, as drawn inside its
    // lines: `pen` in from its top and left lines.
    QRect Cell(int k, bool heading, int pen) const;
    // A card on paper: square cells of side `z`, two "M" of margin.
    static CardPlacement OnPaper(QPoint corner, int z, int rows, int cols) { return {corner, z, z, rows, cols, 2}; }
};

// The card itself: its grounds and lines in the look's colours, the heading letters, the
// words of `cells` in reading order and the free space (its logo or text). A cache, when
// given, remembers how each text fits; with `even`, words and heading letters start fitting
// from their kind's shared size.
void PaintCardGrid(Surface& surface, CardLook& look, const CardPlacement& at, const CardOptions& options,
                   const QStringList& cells, CellFitCache* cache = nullptr, const EvenSizes* even = nullptr);

// One text (a word, a letter, a picture's caption) fitted into its box, starting from
// `startSize` where one is given.
void PaintCellText(Surface& surface, CardLook& look, const QRect& box, const QString& text, bool wordWrap, int margin,
                   CellFitCache* cache, int startSize = 0);
