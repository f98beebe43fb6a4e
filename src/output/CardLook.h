// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "platform/Picture.h"

#include <QRect>

class Surface;

// A design and its logo, read: what a job or the sample card draws with.
struct DesignedLook {
    CardDesign Design;
    Picture Logo; // null where the design has none, or it could not be read
    bool IsPlain() const { return Design.IsPlain(); }
};

// A design with its logo read. A logo that can't be read is left out (the design keeps its
// name), and `problem`, when given, says which and why.
DesignedLook ReadLook(const CardDesign& design, QString* problem = nullptr);

// What a design adds to the drawing of one card, for the printed card and the sample card
// alike: the grounds first, then the grid, the heading and the words each in their colours.
// A plain design (or none) draws nothing and sets nothing, so the card is drawn as it
// always was. The surface is set back to black on white when it ends.
class CardLook {
public:
    CardLook(Surface& surface, const DesignedLook* look);
    ~CardLook();
    CardLook(const CardLook&) = delete;
    CardLook& operator=(const CardLook&) = delete;

    // The tint over the card, the band over its heading row, the free space's ground.
    void Grounds(const QRect& card, const QRect& band, const QRect& freeCell);
    void ForGrid();
    void ForHeading();
    void ForWords();
    void ForFreeSpace();
    // Draws the logo in the free space, a tenth of the cell in from its sides; false where
    // there is no logo (the free space's text is drawn then).
    bool DrawLogo(const QRect& cell);
    // The title and the footer.
    void ForLines();

private:
    Surface& On;
    const DesignedLook* Look;
};
