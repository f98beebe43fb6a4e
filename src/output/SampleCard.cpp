// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/SampleCard.h"
#include "words/PictureEntry.h"
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
    const int cells = g.Cols * g.Cols;
    const int centre = cells / 2 + 1;
    const auto cellBox = [&](int k) {
        const int c = (k - 1) % g.Cols + 1;
        const int r = (k - 1) / g.Cols + 1 + (options.Heading ? 1 : 0);
        return QRect((c - 1) * g.ColW, top + (r - 1) * g.RowH, g.ColW, g.RowH);
    };
    look.Grounds(QRect(0, top, right, bottom - top), options.Heading ? QRect(0, top, right, g.RowH) : QRect(),
                 options.FreeSpace ? cellBox(centre).adjusted(penW, penW, 0, 0) : QRect());
    look.ForGrid();
    surface.Line(0, top, 0, bottom);
    surface.Line(0, top, right, top);
    for (int i = 1; i <= g.Rows; ++i)
        surface.Line(0, top + i * g.RowH, right, top + i * g.RowH);
    for (int j = 1; j <= g.Cols; ++j)
        surface.Line(j * g.ColW, top, j * g.ColW, bottom);

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
    // With even sizes, a word or heading letter starts fitting from its kind's size.
    auto draw = [&](int left, int top, int width, int height, const QString& text, int startSize = 0) {
        if (const std::optional<CardLook::Caption> caption = look.DrawPictureCell(QRect(left, top, width, height), text)) {
            CardLook::DrawCaption(surface, *caption, cache, options.WordWrap, 1);
            return;
        }
        const int base = surface.FontSize();
        if (startSize > 0)
            surface.SetFontSize(startSize);
        if (cache)
            cache->Draw(surface, left, top, width, height, text, options.WordWrap, 1);
        else
            DrawCellText(surface, left, top, width, height, text, options.WordWrap);
        if (startSize > 0)
            surface.SetFontSize(base);
    };

    if (options.Heading && !TrimControls(options.HeadingText).isEmpty()) {
        look.ForHeading();
        const QStringList letters = HeadingLetters(options.HeadingText);
        const int shown = std::min<int>(static_cast<int>(letters.size()), g.Cols);
        for (int i = 1; i <= shown; ++i)
            draw(penW + (i - 1) * g.ColW, top + penW, g.ColW - penW, g.RowH - penW, letters[i - 1],
                 even ? even->Heading : 0);
    }

    look.ForWords();
    qsizetype w = 0;
    for (int k = 1; k <= cells; ++k) {
        const QRect box = cellBox(k);
        if (k == centre && options.FreeSpace) {
            look.ForFreeSpace();
            if (!look.DrawLogo(box.adjusted(penW, penW, 0, 0)))
                draw(box.x(), box.y(), box.width(), box.height(), options.FreeSpaceText);
            look.ForWords();
            continue;
        }
        const QString text = w < input.Cells.size() ? input.Cells[w++] : QStringLiteral(" ");
        draw(box.x() + penW, box.y() + penW, box.width() - penW, box.height() - penW, text, even ? even->Words : 0);
    }

    // The title in its row above the grid, the footer in its row below, fitted as words are.
    look.ForLines();
    if (title)
        draw(0, 0, right, g.RowH - penW, design.Title);
    if (footer)
        draw(0, bottom + penW + g.RowH / 4, right, g.RowH / 2, design.Footer);
}

void DrawCellText(Surface& surface, int left, int top, int width, int height, const QString& text, bool wordWrap)
{
    FitCellText(surface, left, top, width, height, text, wordWrap, 1);
}
