// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/SampleCard.h"
#include "words/PictureEntry.h"
#include "output/CardPainter.h"
#include "output/CellText.h"
#include "platform/Surface.h"

#include <optional>

SampleGrid SampleCardGrid(const CardOptions& options, int width, int height, int penWidth, int extraRows, bool titleRow)
{
    const int n = CardSide(options.SizeIndex);
    const int rows = options.Heading ? n + 1 : n;
    const int rowH = (height - penWidth) / (rows + extraRows);
    return {n, rows, rowH, (width - penWidth) / n, titleRow ? rowH : 0};
}

void PaintSampleCard(Surface& surface, const SampleCardInput& input, CellFitCache* cache, EvenSizeMemo* memo)
{
    const CardOptions& options = input.Options;
    const int penW = surface.PenWidth();

    surface.FillBackground();
    surface.SetFont(input.FontName, input.FontSize, false);
    const CardDesign design = input.Look ? input.Look->Design : CardDesign();
    const bool title = !design.Title.isEmpty(), footer = !design.Footer.isEmpty();
    const SampleGrid g = SampleCardGrid(options, input.Width, input.Height, penW, int(title) + int(footer), title);
    CardLook look(surface, input.Look);

    // One base size for the whole card: the largest at which the yardstick fits a column
    // with one "M" to spare. 441 pixels over five columns give colW 88.
    while (surface.TextWidth(QStringLiteral("Free Space!")) >
               g.ColW - surface.TextWidth(QStringLiteral("M")) &&
           ShrinkFont(surface)) {
    }

    const int right = g.ColW * g.Cols;
    const int top = g.Top;
    const int bottom = top + g.RowH * g.Rows;
    std::optional<EvenSizes> even;
    if (input.SameTextSize) {
        const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                                .arg(input.ListRevision)
                                .arg(surface.FontFace())
                                .arg(surface.FontSize())
                                .arg(g.ColW)
                                .arg(g.RowH)
                                .arg(options.WordWrap)
                                .arg(options.HeadingText)
                                .arg(penW);
        if (memo && memo->Key == key) {
            even = memo->Sizes;
        } else {
            const int w = g.ColW - penW, h = g.RowH - penW;
            even = EvenSizes{EvenSize(surface, EntryCaptions(input.AllWords), w, h, options.WordWrap, 1),
                             EvenSize(surface, HeadingLetters(options.HeadingText), w, h, options.WordWrap, 1)};
            if (memo)
                *memo = {key, *even};
        }
    }
    PaintCardGrid(surface, look, CardPlacement{{0, top}, g.ColW, g.RowH, g.Rows, g.Cols, 1, true}, options, input.Cells,
                  cache, even ? &*even : nullptr);

    // The title in its row above the grid, the footer in its row below, fitted as words are.
    look.ForLines();
    if (title)
        PaintCellText(surface, look, QRect(0, 0, right, g.RowH - penW), design.Title, options.WordWrap, 1, cache);
    if (footer)
        PaintCellText(surface, look, QRect(0, bottom + penW + g.RowH / 4, right, g.RowH / 2), design.Footer, options.WordWrap, 1, cache);
}

