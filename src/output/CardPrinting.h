// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "card/CardOptions.h"
#include "output/CardPainter.h"
#include <QStringList>
#include <functional>
#include <vector>

class CellFitCache;
struct DesignedLook;
struct EvenSizes;
class Surface;
struct DeviceCaps;

// The printed card: square cells sized from the printable area of the page, 1, 2 or 4
// cards to a page, each card arranged anew just before it is drawn. Text is bold at the
// card font size in true points and fitted with a margin of two "M" (PrintCellText).

// How many words one card needs: every cell, less the free space.
int WordsNeeded(const CardOptions& options);
// `doing`: "print" or "export".
QString TooFewWordsMessage(int needed, bool exporting = false);

struct CardPlace {
    int X;
    int Y;
};

// Cell side and card corners of one page. With a printable area of 4800 x 6300, offsets
// of 150 (margins 450) and a 5 x 5 card with heading (R = 6, C = 5): one card has
// Z = 779 at (452, 813); two have Z = 415 at (1362, 450) and (1362, 3359).
struct PageLayout {
    int Z = 0;
    std::vector<CardPlace> Cards;
};
PageLayout LayoutPage(int perPage, const DeviceCaps& caps, int rows, int cols, int penWidth);

// Pages for N cards K to a page: N rounded up to a multiple of K, every page full.
inline int PageCount(int cards, int perPage)
{
    return cards / perPage + (cards % perPage != 0 ? 1 : 0);
}

// Where a job prints more cards than asked for, why: "9 cards at 4 a page print as 12, since
// every page is full." Empty where the pages hold exactly the cards asked for.
QString RoundedUpNote(int cards, int perPage, bool strips = false);

// Draws one card (grid, heading letters, words from `cells`, free space) where `at` says
// (on paper: square cells of side Z, a margin of two "M"). The caller arranges `cells` first.
// A cache, when given, remembers how each text fits (the same for every card of a job).
// With `even`, words and heading letters start fitting from their kind's shared size.
// A look, when given, draws the card in its design's colours with its logo.
void PrintCard(Surface& surface, const CardPlacement& at, const CardOptions& options, const QStringList& cells,
               CellFitCache* cache = nullptr, const EvenSizes* even = nullptr, const DesignedLook* look = nullptr);

// Rows of cells a card takes on its page: its side, the heading row, and a row for a
// design's title above it.
int PageRows(const CardOptions& options, const CardDesign& design);

// One text fitted and centred in a box, as on paper.
void PrintCellText(Surface& surface, int x, int y, int height, int width, const QString& text, bool wordWrap);
