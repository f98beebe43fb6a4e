// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardPainter.h"
#include "output/CardLook.h"
#include "output/CellText.h"
#include "platform/Surface.h"

#include <algorithm>
#include <optional>

QRect CardPlacement::Cell(int k, bool heading, int pen) const
{
    const int c = (k - 1) % Cols + 1;
    const int r = (k - 1) / Cols + 1 + (heading ? 1 : 0);
    return {Corner.x() + (c - 1) * CellWidth + pen, Corner.y() + (r - 1) * CellHeight + pen, CellWidth - pen, CellHeight - pen};
}

void PaintCellText(Surface& surface, CardLook& look, const QRect& box, const QString& text, bool wordWrap, int margin,
                   CellFitCache* cache, int startSize)
{
    // A picture's caption is fitted into its own part of the cell.
    if (const std::optional<CardLook::Caption> caption = look.DrawPictureCell(box, text)) {
        CardLook::DrawCaption(surface, *caption, cache, wordWrap, margin);
        return;
    }
    const int base = surface.FontSize();
    if (startSize > 0)
        surface.SetFontSize(startSize);
    if (cache)
        cache->Draw(surface, box.x(), box.y(), box.width(), box.height(), text, wordWrap, margin);
    else
        FitCellText(surface, box, text, wordWrap, margin);
    if (startSize > 0)
        surface.SetFontSize(base);
}

void PaintCardGrid(Surface& surface, CardLook& look, const CardPlacement& at, const CardOptions& options,
                   const QStringList& cells, CellFitCache* cache, const EvenSizes* even)
{
    const int p = surface.PenWidth();
    const int x = at.Corner.x(), y = at.Corner.y();
    const int right = x + at.CellWidth * at.Cols, bottom = y + at.CellHeight * at.Rows;
    const int side = CardSide(options.SizeIndex);
    const int count = side * side;
    const int centre = count / 2 + 1;
    const auto text = [&](const QRect& box, const QString& t, int startSize = 0) {
        PaintCellText(surface, look, box, t, options.WordWrap, at.Margin, cache, startSize);
    };
    look.Grounds(QRect(x, y, right - x, bottom - y), options.Heading ? QRect(x, y, right - x, at.CellHeight) : QRect(),
                 options.FreeSpace ? at.Cell(centre, options.Heading, p) : QRect());
    look.ForGrid();
    surface.Line(x, y, x, bottom);
    surface.Line(x, y, right, y);
    for (int i = 1; i <= at.Rows; ++i)
        surface.Line(x, y + at.CellHeight * i, right, y + at.CellHeight * i);
    for (int j = 1; j <= at.Cols; ++j)
        surface.Line(x + at.CellWidth * j, y, x + at.CellWidth * j, bottom);

    if (options.Heading && !TrimControls(options.HeadingText).isEmpty()) {
        look.ForHeading();
        const QStringList letters = HeadingLetters(options.HeadingText);
        const int shown = std::min<int>(static_cast<int>(letters.size()), at.Cols);
        for (int i = 1; i <= shown; ++i)
            text(QRect(x + (i - 1) * at.CellWidth + p, y + p, at.CellWidth - p, at.CellHeight - p), letters[i - 1],
                 even ? even->Heading : 0);
    }

    look.ForWords();
    qsizetype w = 0;
    for (int k = 1; k <= count; ++k) {
        const QRect box = at.Cell(k, options.Heading, p);
        if (k == centre && options.FreeSpace) {
            look.ForFreeSpace();
            if (!look.DrawLogo(box))
                text(at.FreeSpaceTextOnWholeCell ? box.adjusted(-p, -p, 0, 0) : box, options.FreeSpaceText);
            look.ForWords();
            continue;
        }
        text(box, w < cells.size() ? cells[w++] : QStringLiteral(" "), even ? even->Words : 0);
    }
}
