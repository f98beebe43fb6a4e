// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardPrinting.h"
#include "words/CountText.h"
#include "output/CardLook.h"
#include "output/CardPainter.h"
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
    FitCellText(surface, QRect(x, y, width, height), text, wordWrap, 2);
}

void PrintCard(Surface& surface, const CardPlacement& at, const CardOptions& options, const QStringList& cells,
               CellFitCache* cache, const EvenSizes* even, const DesignedLook* look)
{
    CardLook design(surface, look);
    PaintCardGrid(surface, design, at, options, cells, cache, even);
}

int PageRows(const CardOptions& options, const CardDesign& design)
{
    return CardSide(options.SizeIndex) + (options.Heading ? 1 : 0) + (design.Title.isEmpty() ? 0 : 1);
}
