// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/QtSurface.h"
#include "output/GlyphNames.h"
#include "platform/FaceMap.h"
#include "platform/Picture.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

QtSurface::QtSurface(int dotsPerInch, QColor background)
    : Dpi(dotsPerInch), Background(background), Paper(background)
{
}

QtSurface::~QtSurface()
{
    Flush();
}

namespace {

// Drawing on a QPainter, with a cosmetic 1-pixel pen and no antialiasing.
class PainterTarget final : public SurfaceTarget {
public:
    explicit PainterTarget(QPainter& painter) : Painter(painter)
    {
        Painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::black, 1);
        pen.setCosmetic(true);
        Painter.setPen(pen);
    }
    QRect Area() const override
    {
        return Painter.hasClipping() ? Painter.clipBoundingRect().toAlignedRect() : Painter.window();
    }
    void Fill(const QRect& box, const QColor& colour) override { Painter.fillRect(box, colour); }
    void SetInk(const QColor& ink) override
    {
        if (Painter.pen().color() == ink)
            return;
        QPen pen(ink, 1);
        pen.setCosmetic(true);
        Painter.setPen(pen);
    }
    void DrawPicture(const QRect& box, const Picture& picture) override
    {
        Painter.save();
        Painter.setRenderHint(QPainter::SmoothPixmapTransform);
        Painter.drawImage(box, picture.Image);
        Painter.restore();
    }
    void DrawLine(int x1, int y1, int x2, int y2) override { Painter.drawLine(x1, y1, x2, y2); }
    void DrawGlyphs(const QRawFont& font, const QList<quint32>& glyphs, const QList<QPointF>& positions) override
    {
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        Painter.drawGlyphRun(QPointF(0, 0), run);
    }

private:
    QPainter& Painter;
};

} // namespace

void QtSurface::Flush()
{
    if (!AnyPending)
        return;
    for (size_t face = 0; face < Pending.size(); ++face) {
        std::vector<SurfaceTarget::PlacedRun>& pending = Pending[face];
        if (Target && !pending.empty()) {
            Target->Embolden(Bolder[face]);
            Target->DrawRuns(Faces[face], pending);
        }
        pending.clear();
    }
    AnyPending = false;
}

void QtSurface::Attach(QPainter* painter)
{
    Flush();
    OnPainter.reset();
    if (painter)
        OnPainter = std::make_unique<PainterTarget>(*painter);
    Attach(OnPainter.get());
}

void QtSurface::Attach(SurfaceTarget* target)
{
    Flush();
    if (target != OnPainter.get())
        OnPainter.reset();
    Target = target;
    if (Target)
        Target->SetInk(Ink);
    Drawn.Clear();
}

void QtSurface::FillBackground()
{
    if (!Target)
        return;
    Flush();
    Target->Fill(Target->Area(), Background);
    Drawn.Clear();
}

void QtSurface::SetFont(const QString& face, int points, bool bold)
{
    if (face != Face || bold != Bold)
        BySize.clear();
    Face = face;
    Bold = bold;
    SetFontSize(points);
}

void QtSurface::SetFontSize(int points)
{
    Points = points;
    Active = nullptr;
}

QtSurface::SizedFont& QtSurface::Current()
{
    if (Active)
        return *Active;
    const int points = std::clamp(Points, 1, MaxFontPoints);
    if (size_t(points) < BySize.size() && BySize[size_t(points)])
        return *(Active = BySize[size_t(points)]);
    const int pixels = std::max(1, PointsToPixels(points, Dpi));
    // Fonts are kept per face, weight and size: a job that switches between two (the cards
    // and a line under them) keeps what both have measured.
    auto& slot = Fonts[FontKey{Face, Bold, pixels}];
    if (!slot) {
        QFont font(InstalledFace(Face));
        font.setFamilies(CardFamilies(Face));
        font.setPixelSize(pixels);
        font.setBold(Bold);
        font.setStyleStrategy(QFont::PreferAntialias);
        const QFontMetrics metrics(font);
        slot = std::make_shared<SizedFont>(SizedFont{font, metrics, metrics.ascent() + metrics.descent(), {}});
    }
    if (BySize.size() <= size_t(points))
        BySize.resize(size_t(points) + 1, nullptr);
    BySize[size_t(points)] = slot.get();
    Active = slot.get();
    return *Active;
}

namespace {
// Caches are emptied when they grow this large, so a job over a huge list stays small.
constexpr qsizetype MaxCachedTexts = 20000;
}

QtSurface::ShapedText& QtSurface::Measured(SizedFont& f, const QString& text)
{
    auto it = f.Texts.find(text);
    if (it != f.Texts.end())
        return *it;
    if (f.Texts.size() >= MaxCachedTexts)
        f.Texts.clear();
    ShapedText shaped;
    shaped.Width = f.Metrics.horizontalAdvance(text);
    return *f.Texts.insert(text, std::move(shaped));
}

int QtSurface::FaceIndex(const QRawFont& face)
{
    for (size_t i = 0; i < Faces.size(); ++i)
        if (Faces[i] == face)
            return int(i);
    Faces.push_back(face);
    // A bold text in a face that has no bold (its own weight is regular) is drawn bolder by
    // a 24th of the em, as the screen's font engine does.
    Bolder.push_back(Bold && FaceWeight(face) < 600 ? face.pixelSize() / 24.0 : 0.0);
    Pending.emplace_back();
    return int(Faces.size() - 1);
}

int QtSurface::TextWidth(const QString& text)
{
    return Measured(Current(), text).Width;
}

int QtSurface::TextHeight(const QString&)
{
    return Current().Height;
}

void QtSurface::TextOut(int x, int y, const QString& text)
{
    if (!Target)
        return;
    SizedFont& f = Current();
    ShapedText& shaped = Measured(f, text);
    const int height = f.Height;
    const QRect box(x, y, shaped.Width, height);
    if (shaped.Width > 0 && height > 0 && Drawn.Touches(box)) {
        Flush();
        Target->Fill(box, Paper);
    }
    Drawn.Add(box);
    if (!shaped.Shaped) {
        QTextLayout layout(text, f.Font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e9);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            shaped.Runs.push_back({FaceIndex(run.rawFont()), run.glyphIndexes(), run.positions(), ++RunsShaped});
        GlyphNames names = NameGlyphs(layout, text);
        shaped.Actual = names.Actual;
        for (GlyphNames::Named& named : names.Names)
            shaped.Names.push_back({FaceIndex(named.Font), named.Glyph, std::move(named.Text)});
        shaped.Shaped = true;
    }
    // The runs' baseline sits at the font's ascent below the layout's top.
    const QPointF origin(x, y);
    if (shaped.Actual) {
        // Drawn at once, with what its glyphs stand for, between what was drawn before and after.
        Flush();
        for (const NamedGlyph& named : shaped.Names)
            Target->NameGlyph(Faces[size_t(named.Face)], named.Glyph, named.Text);
        Target->BeginActualText(text);
        for (const ShapedRun& run : shaped.Runs) {
            QList<QPointF> placed = run.Positions;
            for (QPointF& position : placed)
                position += origin;
            Target->Embolden(Bolder[size_t(run.Face)]);
            Target->DrawGlyphs(Faces[size_t(run.Face)], run.Glyphs, placed);
        }
        Target->EndActualText();
        return;
    }
    for (const ShapedRun& run : shaped.Runs) {
        Pending[size_t(run.Face)].push_back({run.Key, run.Glyphs, run.Positions, origin});
        AnyPending = true;
    }
}

void QtSurface::Line(int x1, int y1, int x2, int y2)
{
    if (!Target)
        return;
    // The end point itself is not drawn, so a grid's closing lines meet without overlap.
    if (x1 == x2 && y1 == y2)
        return;
    Flush();
    if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    else if (y1 == y2)
        x2 += x2 > x1 ? -1 : 1;
    Target->DrawLine(x1, y1, x2, y2);
    Drawn.Add(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void QtSurface::Shade(int x, int y, int width, int height)
{
    if (!Target || width <= 0 || height <= 0)
        return;
    Flush();
    // Light enough for a number written over it by hand to stay readable, on any printer.
    const QRect box(x, y, width, height);
    Target->Fill(box, QColor(0xDD, 0xDD, 0xDD));
    Drawn.Add(box);
}

void QtSurface::SetInk(const QColor& ink)
{
    const QColor wanted = ink.isValid() ? ink : QColor(Qt::black);
    if (wanted == Ink)
        return;
    // What is pending was written in the ink before.
    Flush();
    Ink = wanted;
    if (Target)
        Target->SetInk(Ink);
}

void QtSurface::FillBox(const QRect& box, const QColor& colour)
{
    if (!Target || box.isEmpty())
        return;
    Flush();
    Target->Fill(box, colour);
    Drawn.Add(box);
}

void QtSurface::DrawPicture(const QRect& box, const Picture& picture)
{
    const QRect fitted = FittedPicture(picture.Nominal(), box);
    if (!Target || fitted.isEmpty())
        return;
    const Picture* shown = &picture;
    if (!picture.Svg.isEmpty()) {
        auto it = std::find_if(SvgRasters.begin(), SvgRasters.end(),
                               [&](const Rendered& r) { return r.Key == picture.Key && r.Size == fitted.size(); });
        if (it == SvgRasters.end()) {
            if (SvgRasters.size() >= 256)
                SvgRasters.clear();
            SvgRasters.push_back({picture.Key, fitted.size(), std::make_shared<Picture>(RenderedAt(picture, fitted.size()))});
            it = SvgRasters.end() - 1;
        }
        shown = it->Drawn.get();
    }
    // Text still pending goes first only where the picture would cover it: a card's pictures
    // lie clear of the other cells' words, which then go out together.
    if (Drawn.Touches(fitted))
        Flush();
    Target->DrawPicture(fitted, *shown);
    Drawn.Add(fitted);
}
