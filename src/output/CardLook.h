// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "output/PictureShelf.h"
#include "platform/Picture.h"

#include <QRect>

#include <memory>
#include <optional>

class CellFitCache;
class Surface;

// A design and its logo, read: what a job or the sample card draws with.
struct DesignedLook {
    CardDesign Design;
    Picture Logo; // null where the design has none, or it could not be read
    // The pictures of a picture list's entries (none for a list of words).
    std::shared_ptr<const PictureShelf> Pictures;
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

    // A picture entry's cell: the picture drawn fitted into the cell's upper part, and where
    // its caption goes (the lower part; the whole cell where the picture is missing). Nothing
    // for a word, which is drawn as ever.
    struct Caption {
        QRect Box;
        QString Text;
    };
    std::optional<Caption> DrawPictureCell(const QRect& cell, const QString& entry);
    // A caption fitted into its box as a word into a cell, at a size whose line is no taller
    // than the box (so it never covers the cell's lines); the font is set back after.
    static void DrawCaption(Surface& surface, const Caption& caption, CellFitCache* cache, bool wordWrap, int margin);

private:
    Surface& On;
    const DesignedLook* Look;
    const PictureShelf* Shelf;
};
