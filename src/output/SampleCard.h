// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/CardLook.h"
#include "card/CardOptions.h"
#include "output/CellText.h"
#include <QStringList>

class CellFitCache;
class Surface;

// The sample card of the main window: a grid that fills the paint box (cells need not be
// square), the heading letters, the words of the current arrangement in reading order and
// the free-space text in the centre. One base font size for the whole card comes from how
// much of the yardstick "Free Space!" fits a column.
struct SampleCardInput {
    CardOptions Options;
    QStringList Cells;
    QString FontName = QStringLiteral("Arial");
    int FontSize = 20;
    int Width = 441;
    int Height = 313;
    // "Same Text Size": every word of the list (not only those shown) sets the words' size.
    bool SameTextSize = false;
    QStringList AllWords;
    int ListRevision = 0; // changes whenever the list does, for the memo below
    // The list's design: its colours and logo, its title in a row above the grid and its
    // footer in one below (none: the plain card).
    const DesignedLook* Look = nullptr;
};

// The even sizes last worked out for the sample card, and what they were worked out for:
// a long list is measured once, not at every paint.
struct EvenSizeMemo {
    QString Key;
    EvenSizes Sizes;
};

// A cache, when given, remembers how each text fits from one paint to the next.
void PaintSampleCard(Surface& surface, const SampleCardInput& input, CellFitCache* cache = nullptr,
                     EvenSizeMemo* memo = nullptr);

// Grid metrics of the sample card, worked out from the paint box and the options.
struct SampleGrid {
    int Cols;
    int Rows;
    int RowH;
    int ColW;
    int Top = 0; // where the grid starts: below a design's title
};
// `extraRows`: a design's title and footer, a row each; the title's above the grid.
SampleGrid SampleCardGrid(const CardOptions& options, int width, int height, int penWidth, int extraRows = 0,
                          bool titleRow = false);
