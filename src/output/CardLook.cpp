// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardLook.h"
#include "output/CellText.h"
#include "platform/PlatformError.h"
#include "platform/Surface.h"
#include "words/PictureEntry.h"

#include <QCoreApplication>

DesignedLook ReadLook(const CardDesign& design, QString* problem)
{
    DesignedLook look{design, {}, {}};
    if (design.Logo.isEmpty())
        return look;
    try {
        look.Logo = ReadPicture(design.Logo);
    } catch (const PlatformError& error) {
        if (problem)
            *problem = QCoreApplication::translate("CardLook", "The logo could not be used, and the cards have none:\n%1")
                           .arg(error.Text());
    }
    return look;
}

CardLook::CardLook(Surface& surface, const DesignedLook* look)
    : On(surface), Look(look && !look->IsPlain() ? look : nullptr), Shelf(look ? look->Pictures.get() : nullptr)
{
}

CardLook::~CardLook()
{
    if (!Look)
        return;
    On.SetInk(Qt::black);
    On.SetPaper(QColor());
}

void CardLook::Grounds(const QRect& card, const QRect& band, const QRect& freeCell)
{
    if (!Look)
        return;
    const CardDesign& d = Look->Design;
    if (d.Tint.isValid())
        On.FillBox(card, d.Tint);
    if (d.Band.isValid() && !band.isEmpty())
        On.FillBox(band, d.Band);
    if (d.FreeSpace.isValid() && !freeCell.isEmpty())
        On.FillBox(freeCell, d.FreeSpace);
}

void CardLook::ForGrid()
{
    if (Look)
        On.SetInk(Look->Design.GridInk());
}

void CardLook::ForHeading()
{
    if (!Look)
        return;
    // A colour not chosen leaves the surface's own ground (the sample card's is the window's).
    const CardDesign& d = Look->Design;
    On.SetInk(d.BandInk());
    On.SetPaper(d.Band.isValid() ? d.Band : d.Tint);
}

void CardLook::ForWords()
{
    if (!Look)
        return;
    On.SetInk(Look->Design.TextInk());
    On.SetPaper(Look->Design.Tint);
}

void CardLook::ForFreeSpace()
{
    if (!Look)
        return;
    const CardDesign& d = Look->Design;
    On.SetInk(d.TextInk());
    On.SetPaper(d.FreeSpace.isValid() ? d.FreeSpace : d.Tint);
}

bool CardLook::DrawLogo(const QRect& cell)
{
    if (!Look || Look->Logo.IsNull())
        return false;
    const int inset = cell.width() / 10;
    On.DrawPicture(cell.adjusted(inset, inset, -inset, -inset), Look->Logo);
    return true;
}

void CardLook::ForLines()
{
    if (!Look)
        return;
    On.SetInk(Look->Design.TextInk());
    On.SetPaper(QColor());
}

std::optional<CardLook::Caption> CardLook::DrawPictureCell(const QRect& cell, const QString& entry)
{
    const std::optional<PictureEntry> picture = AsPicture(entry);
    if (!picture)
        return std::nullopt;
    const Picture* shown = Shelf ? Shelf->Find(picture->Path) : nullptr;
    if (!shown)
        return Caption{cell, EntryCaption(entry)};
    // A caption takes the lower quarter where the cell is tall enough for a line of it.
    const bool captioned = !picture->Caption.isEmpty() && cell.height() >= 48;
    const int captionHeight = captioned ? cell.height() / 4 : 0;
    const int inset = std::max(1, cell.width() / 16);
    On.DrawPicture(QRect(cell.x() + inset, cell.y() + inset, cell.width() - 2 * inset,
                         cell.height() - captionHeight - (captioned ? inset : 2 * inset)),
                   *shown);
    if (!captioned)
        return Caption{};
    return Caption{QRect(cell.x(), cell.bottom() + 1 - captionHeight, cell.width(), captionHeight), picture->Caption};
}

void CardLook::DrawCaption(Surface& surface, const Caption& caption, CellFitCache* cache, bool wordWrap, int margin)
{
    const QRect& b = caption.Box;
    if (caption.Text.isEmpty() || b.isEmpty())
        return;
    const int before = surface.FontSize();
    ShrunkSize(surface, b.height(), [&] { return surface.TextHeight(caption.Text); });
    if (cache)
        cache->Draw(surface, b.x(), b.y(), b.width(), b.height(), caption.Text, wordWrap, margin);
    else
        FitCellText(surface, b, caption.Text, wordWrap, margin);
    surface.SetFontSize(before);
}
