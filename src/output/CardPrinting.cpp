// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardPrinting.h"
#include "words/CountText.h"
#include "output/CardLook.h"
#include "output/CellText.h"
#include "platform/Printers.h"
#include "platform/Surface.h"

#include <QCoreApplication>

#include <algorithm>

int WordsNeeded(const CardOptions& options)
{
    const int side = CardSide(options.SizeIndex);
    return side * side - (options.FreeSpace ? 1 : 0);
}

QString TooFewWordsMessage(int needed, bool exporting)
{
    return (exporting ? QCoreApplication::translate("CardPrinting", "Your bingo card needs %1 words at least, please add "
                                                                    "more words, then try to export it again.")
                      : QCoreApplication::translate("CardPrinting", "Your bingo card needs %1 words at least, please add "
                                                                    "more words, then try to print it again."))
        .arg(needed);
}

QString RoundedUpNote(int cards, int perPage, bool strips)
{
    const int printed = PageCount(cards, perPage) * perPage;
    if (printed == cards)
        return {};
    return QCoreApplication::translate("CardPrinting", "%1 at %2 a page print as %3, since every page is full.")
        .arg(strips ? StripCountText(cards) : CardCountText(cards))
        .arg(perPage)
        .arg(printed);
}

PageLayout LayoutPage(int perPage, const DeviceCaps& caps, int rows, int cols, int penWidth)
{
    const int w = caps.HorzRes;
    const int h = caps.VertRes;
    const int mx = 3 * caps.PhysicalOffsetX;
    const int my = 3 * caps.PhysicalOffsetY;
    const int p = penWidth;
    PageLayout page;
    if (perPage == 1) {
        // The divisor is the column count even when the heading makes the card taller.
        page.Z = (std::min(w - 2 * mx, h - 2 * my) - p) / cols;
        page.Cards = {{(w - page.Z * cols) / 2, (h - page.Z * rows) / 2}};
    } else if (perPage == 2) {
        page.Z = std::min((h - 2 * my - 2 * p) / (2 * rows + 1), (w - 2 * mx - 2 * p) / cols);
        const int x = (w - page.Z * cols) / 2;
        page.Cards = {{x, my}, {x, h - my - rows * page.Z - p}};
    } else {
        page.Z = std::min((h - 2 * my - 2 * p) / (2 * rows + 1), (w - 2 * mx - 2 * p) / (2 * cols + 1));
        const int right = w - mx - cols * page.Z - p;
        const int bottom = h - my - rows * page.Z - p;
        page.Cards = {{mx, my}, {right, my}, {mx, bottom}, {right, bottom}};
    }
    return page;
}

void PrintCellText(Surface& surface, int x, int y, int height, int width, const QString& text, bool wordWrap)
{
    FitCellText(surface, x, y, width, height, text, wordWrap, 2);
}

void PrintCard(Surface& surface, int x, int y, int z, int rows, int cols, const CardOptions& options,
               const QStringList& cells, CellFitCache* cache, const EvenSizes* even, const DesignedLook* look)
{
    CardLook design(surface, look);
    // With even sizes, a word or heading letter starts fitting from its kind's size.
    auto print = [&](int left, int top, const QString& text, int startSize = 0) {
        // A picture's caption is fitted into its own part of the cell.
        if (const std::optional<CardLook::Caption> caption =
                design.DrawPictureCell(QRect(left, top, z - surface.PenWidth(), z - surface.PenWidth()), text)) {
            CardLook::DrawCaption(surface, *caption, cache, options.WordWrap, 2);
            return;
        }
        const int cardSize = surface.FontSize();
        if (startSize > 0)
            surface.SetFontSize(startSize);
        if (cache)
            cache->Draw(surface, left, top, z - surface.PenWidth(), z - surface.PenWidth(), text, options.WordWrap, 2);
        else
            PrintCellText(surface, left, top, z - surface.PenWidth(), z - surface.PenWidth(), text, options.WordWrap);
        if (startSize > 0)
            surface.SetFontSize(cardSize);
    };
    const int p = surface.PenWidth();
    const int side = CardSide(options.SizeIndex);
    const int count = side * side;
    const int centre = count / 2 + 1;
    const auto cellBox = [&](int k) {
        const int c = (k - 1) % cols + 1;
        const int r = (k - 1) / cols + 1 + (options.Heading ? 1 : 0);
        return QRect(x + (c - 1) * z + p, y + (r - 1) * z + p, z - p, z - p);
    };
    design.Grounds(QRect(x, y, z * cols, z * rows), options.Heading ? QRect(x, y, z * cols, z) : QRect(),
                   options.FreeSpace ? cellBox(centre) : QRect());
    design.ForGrid();
    surface.Line(x, y, x, y + z * rows);
    surface.Line(x, y, x + z * cols, y);
    for (int i = 1; i <= rows; ++i)
        surface.Line(x, y + z * i, x + z * cols, y + z * i);
    for (int j = 1; j <= cols; ++j)
        surface.Line(x + z * j, y, x + z * j, y + z * rows);

    if (options.Heading && !TrimControls(options.HeadingText).isEmpty()) {
        design.ForHeading();
        const QStringList letters = HeadingLetters(options.HeadingText);
        const int shown = std::min<int>(static_cast<int>(letters.size()), cols);
        for (int i = 1; i <= shown; ++i)
            print(x + (i - 1) * z + p, y + p, letters[i - 1], even ? even->Heading : 0);
    }

    design.ForWords();
    qsizetype w = 0;
    for (int k = 1; k <= count; ++k) {
        const QRect box = cellBox(k);
        if (k == centre && options.FreeSpace) {
            design.ForFreeSpace();
            if (!design.DrawLogo(box))
                print(box.x(), box.y(), options.FreeSpaceText);
            design.ForWords();
            continue;
        }
        print(box.x(), box.y(), w < cells.size() ? cells[w++] : QStringLiteral(" "), even ? even->Words : 0);
    }
}

int PageRows(const CardOptions& options, const CardDesign& design)
{
    return CardSide(options.SizeIndex) + (options.Heading ? 1 : 0) + (design.Title.isEmpty() ? 0 : 1);
}
