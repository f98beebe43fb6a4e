// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QColor>
#include <QRect>
#include <QString>

struct Picture;

// A drawing surface with the few operations the card drawing needs: the sample card on
// screen, the printed page, and the recording surface of the tests all implement it.
//
// Coordinates are device pixels with the origin at the top-left corner of the drawable
// area. Text is drawn black in the current font with an opaque box the size of its extent
// behind it, in the surface's background colour. A line is drawn with a 1-pixel black pen
// from its start point up to, but not including, its end point.
// The font size is in whole points; a surface turns it into pixels with its own resolution.
class Surface {
public:
    virtual ~Surface() = default;

    // Clears the whole drawable area in the background colour.
    virtual void FillBackground() = 0;

    virtual void SetFont(const QString& face, int points, bool bold) = 0;
    virtual int FontSize() const = 0;
    virtual QString FontFace() const = 0;
    virtual bool FontBold() const = 0;
    virtual void SetFontSize(int points) = 0;

    // Width and height of the extent of a text in the current font; the height is the
    // font's full line height (ascent + descent) whatever the text.
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;

    // Draws a text with the top-left corner of its extent at (x, y).
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual int PenWidth() const = 0;
    // Fills a box (corner at x, y) with a light grey: the blanks of a ticket.
    virtual void Shade(int x, int y, int width, int height) = 0;

    // A designed card's colours. Until they are set, text and lines are black and a text's
    // box is the background colour, as on every plain card. An invalid paper is the background.
    virtual void SetInk(const QColor&) {}
    virtual void SetPaper(const QColor&) {}
    // Fills a box with a colour: a card's tint, its heading band, its free space.
    virtual void FillBox(const QRect&, const QColor&) {}
    // A picture fitted into a box (FittedPicture).
    virtual void DrawPicture(const QRect&, const Picture&) {}
};

// Sizes above this many points draw as this size: beyond it a glyph is larger than any page,
// and a reader who shrinks text one point at a time may jump straight down to it.
inline constexpr int MaxFontPoints = 1600;

// Points to pixels at a resolution, rounded half away from zero (so 8 pt at 96 dpi is 11 px).
int PointsToPixels(int points, int dotsPerInch);
