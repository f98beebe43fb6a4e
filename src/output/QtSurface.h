// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/DrawnBoxes.h"
#include "platform/Surface.h"
#include "formats/SurfaceTarget.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <memory>
#include <vector>

class QPainter;

// The Surface over a QPainter: the paint box on screen (96 dpi whatever the display says,
// so the card looks the same everywhere), an image in tests, or a printer's page.
// The font state lives here, not in the painter, so it can be set before a print job
// begins and survives from page to page. Fonts, their metrics, measured widths and shaped
// glyphs are kept per size, so a text is shaped once however often it is drawn.
class QtSurface final : public Surface {
public:
    QtSurface(int dotsPerInch, QColor background);
    ~QtSurface() override;

    // The painter to draw with; null while no page is open (measuring still works).
    // Whatever is still pending goes to the painter that was attached before.
    void Attach(QPainter* painter);
    // Or another target to draw on (the PDF writer), in the same way.
    void Attach(SurfaceTarget* target);
    void Attach(std::nullptr_t) { Attach(static_cast<SurfaceTarget*>(nullptr)); }
    // Draws the pending glyphs now; before a page ends, say.
    void Flush();

    void FillBackground() override;
    void SetFont(const QString& face, int points, bool bold) override;
    int FontSize() const override { return Points; }
    void SetFontSize(int points) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    int PenWidth() const override { return 1; }
    void Shade(int x, int y, int width, int height) override;
    void SetInk(const QColor& ink) override;
    void SetPaper(const QColor& paper) override { Paper = paper.isValid() ? paper : Background; }
    void FillBox(const QRect& box, const QColor& colour) override;
    void DrawPicture(const QRect& box, const Picture& picture) override;
    QString FontFace() const override { return Face; }
    bool FontBold() const override { return Bold; }

private:
    // A font at one pixel size, with what it has measured and shaped so far: a job draws
    // the same few texts at the same few sizes over and over, and shaping dominates.
    // A text's glyphs, a run per face (a fallback face for what the font lacks), placed
    // from the text's left end on its baseline.
    struct ShapedRun {
        int Face; // in Faces
        QList<quint32> Glyphs;
        QList<QPointF> Positions;
        quint64 Key; // a number of its own, for the target
    };
    struct NamedGlyph {
        int Face;
        quint32 Glyph;
        QString Text;
    };
    struct ShapedText {
        int Width = 0;
        bool Shaped = false;
        std::vector<ShapedRun> Runs;
        bool Actual = false; // given to the target as written, around its glyphs
        std::vector<NamedGlyph> Names;
    };
    struct SizedFont {
        QFont Font;
        QFontMetrics Metrics;
        int Height; // ascent and descent: asked for by every text drawn, and a look-up in Qt each time
        QHash<QString, ShapedText> Texts;
    };
    SizedFont& Current();
    ShapedText& Measured(SizedFont& font, const QString& text);
    int FaceIndex(const QRawFont& face);

    int Dpi;
    QColor Background;
    QColor Paper; // behind a text
    QColor Ink = Qt::black;
    SurfaceTarget* Target = nullptr;
    std::unique_ptr<SurfaceTarget> OnPainter;
    QString Face;
    bool Bold = false;
    int Points = 8;
    struct FontKey {
        QString Face;
        bool Bold;
        int Pixels;
        bool operator==(const FontKey&) const = default;
        friend size_t qHash(const FontKey& k, size_t seed = 0) { return qHashMulti(seed, k.Face, k.Bold, k.Pixels); }
    };
    QHash<FontKey, std::shared_ptr<SizedFont>> Fonts;
    SizedFont* Active = nullptr;
    // The current face's fonts by point size: cells switch sizes all the time.
    std::vector<SizedFont*> BySize;
    // Glyphs waiting to be drawn, one run per face and size: the PDF engine writes a whole
    // text object for every run, so a card's texts go out as a few runs, not dozens.
    // They are flushed before anything that could be drawn over them.
    // The faces met so far, at their sizes; what is pending is kept per face (emptied
    // rather than dropped when flushed, so its memory serves the next page).
    std::vector<QRawFont> Faces;
    std::vector<double> Bolder; // by face: how much bolder a face without a bold is drawn
    std::vector<std::vector<SurfaceTarget::PlacedRun>> Pending; // by face
    quint64 RunsShaped = 0;
    bool AnyPending = false;
    // SVG pictures drawn at the sizes met (a job draws each at one or two).
    struct Rendered {
        quint64 Key;
        QSize Size;
        std::shared_ptr<const Picture> Drawn;
    };
    std::vector<Rendered> SvgRasters;
    // What has been drawn since the area was last cleared. A text's opaque box only
    // changes pixels where it covers something; elsewhere the area is background already.
    DrawnBoxes Drawn;
};
