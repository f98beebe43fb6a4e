// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "formats/SurfaceTarget.h"

#include <QImage>
#include <QPoint>

#include <unordered_map>
#include <vector>

// Drawing straight into a greyscale image (or an RGB32 one, for a card in colour) (a card exported as PNG), without a painter:
// rectangles and lines are rows of bytes, and each glyph is drawn once, at each quarter-pixel
// offset it meets, as a mask of coverage that every card after reuses. Qt's painter fills
// a large glyph's outline anew each time, on a pool of threads whose waking cost more than
// the filling; a card's PNG then took twice as long as its own encoding.
// One target serves many images in turn (a thread exporting card after card), keeping its
// masks.
class ImageTarget final : public SurfaceTarget {
public:
    // Draws on `image` from now on; `corner` is where the image's top-left pixel lies in
    // the drawing's coordinates.
    void Begin(QImage* image, QPoint corner);

    QRect Area() const override;
    void Fill(const QRect& box, const QColor& colour) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawGlyphs(const QRawFont& font, const QList<quint32>& glyphs, const QList<QPointF>& positions) override;
    void SetInk(const QColor& ink) override { Ink = ink.rgb(); }
    void DrawPicture(const QRect& box, const Picture& picture) override;
    void Embolden(double pixels) override { Bolder = pixels; }

private:
    struct Mask {
        QImage Coverage; // Alpha8
        QPoint Offset;   // of its top-left pixel from the glyph's whole-pixel origin
    };
    const Mask& MaskFor(const QRawFont& font, quint32 glyph, int quarterX, int quarterY);
    void Blend(const Mask& mask, int x, int y);

    QImage* Image = nullptr;
    QPoint Corner;
    QRgb Ink = 0xFF000000;
    double Bolder = 0;
    // Pictures scaled to the size they are drawn at, by key: every card shows the same few.
    struct Scaled {
        quint64 Key;
        QImage Image;
    };
    std::vector<Scaled> Pictures;
    // By face (its raw font at its size, and how much bolder), then by glyph and offset.
    struct Face {
        QRawFont Font;
        double Bolder;
        std::unordered_map<quint64, Mask> Masks;
    };
    std::vector<Face> Faces;
    qsizetype MaskBytes = 0; // all are let go past a bound: a list of many sizes makes many
};
