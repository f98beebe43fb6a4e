// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardLook.h"
#include "platform/PlatformError.h"
#include "platform/Surface.h"

#include <QCoreApplication>

DesignedLook ReadLook(const CardDesign& design, QString* problem)
{
    DesignedLook look{design, {}};
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
    : On(surface), Look(look && !look->IsPlain() ? look : nullptr)
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
