// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QColor>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRect>

#include <vector>

struct Picture;

// Where a QtSurface's drawing goes, in device pixels: a QPainter (the screen, an image, a
// system printer) or the program's own PDF writer.
class SurfaceTarget {
public:
    virtual ~SurfaceTarget() = default;
    // The drawable area: what filling the background covers.
    virtual QRect Area() const = 0;
    virtual void Fill(const QRect& box, const QColor& colour) = 0;
    // The colour of the lines and glyphs drawn next: black until set.
    virtual void SetInk(const QColor&) {}
    // A 1-pixel line in the ink colour between the two points, both drawn.
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // A picture scaled into a box (its proportions already fitted), over what is there.
    virtual void DrawPicture(const QRect&, const Picture&) {}
    // Glyphs of one font in the ink colour, each at its baseline position.
    virtual void DrawGlyphs(const QRawFont& font, const QList<quint32>& glyphs, const QList<QPointF>& positions) = 0;
    // Texts of one font: each a run of glyphs placed from its own origin, and that origin.
    // A job draws the same few texts over and over at other places; a run's key is the same
    // for the same glyphs at the same places and never stands for others, so a target may
    // keep what it made of a run. By default they are drawn as one list of glyphs.
    struct PlacedRun {
        quint64 Key;
        QList<quint32> Glyphs;
        QList<QPointF> Positions;
        QPointF Origin;
    };
    virtual void DrawRuns(const QRawFont& font, const std::vector<PlacedRun>& runs)
    {
        QList<quint32> glyphs;
        QList<QPointF> positions;
        for (const PlacedRun& run : runs) {
            glyphs += run.Glyphs;
            for (const QPointF& position : run.Positions)
                positions.append(position + run.Origin);
        }
        DrawGlyphs(font, glyphs, positions);
    }
    // A glyph that its font's own map doesn't tie to a character (a ligature, a conjunct, a
    // contextual form), with the characters it stands for; and, around the glyphs of a text
    // that don't read back alone as it was written, the text itself. Only a document keeps them.
    virtual void NameGlyph(const QRawFont&, quint32, const QString&) {}
    // The glyphs drawn next made bolder by this many pixels, as the screen draws a face that
    // has no bold of its own in a bold text (0: as they are). A painter does so itself.
    virtual void Embolden(double) {}
    virtual void BeginActualText(const QString&) {}
    virtual void EndActualText() {}
};
