// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/QtSurface.h"
#include "platform/FaceMap.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

QtSurface::QtSurface(int dotsPerInch, QColor background)
    : Dpi(dotsPerInch), Background(background)
{
}

QtSurface::~QtSurface()
{
    Flush();
}

void QtSurface::Flush()
{
    if (Painter) {
        for (const PendingRun& pending : Pending) {
            QGlyphRun run;
            run.setRawFont(pending.Font);
            run.setGlyphIndexes(pending.Glyphs);
            run.setPositions(pending.Positions);
            Painter->drawGlyphRun(QPointF(0, 0), run);
        }
    }
    Pending.clear();
}

void QtSurface::Attach(QPainter* painter)
{
    Flush();
    Painter = painter;
    Drawn.Clear();
    if (Painter) {
        Painter->setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::black, 1);
        pen.setCosmetic(true);
        Painter->setPen(pen);
    }
}

void QtSurface::FillBackground()
{
    if (!Painter)
        return;
    Flush();
    const QRect area = Painter->hasClipping() ? Painter->clipBoundingRect().toAlignedRect()
                                              : Painter->window();
    Painter->fillRect(area, Background);
    Drawn.Clear();
}

void QtSurface::SetFont(const QString& face, int points, bool bold)
{
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
    const int pixels = std::max(1, PointsToPixels(std::clamp(Points, 1, MaxFontPoints), Dpi));
    // Fonts are kept per face, weight and size: a job that switches between two (the cards
    // and a line under them) keeps what both have measured.
    auto& slot = Fonts[FontKey{Face, Bold, pixels}];
    if (!slot) {
        QFont font(InstalledFace(Face));
        font.setFamilies(CardFamilies(Face));
        font.setPixelSize(pixels);
        font.setBold(Bold);
        font.setStyleStrategy(QFont::PreferAntialias);
        slot = std::make_shared<SizedFont>(SizedFont{font, QFontMetrics(font), {}, {}});
    }
    Active = slot.get();
    return *Active;
}

namespace {
// Caches are emptied when they grow this large, so a job over a huge list stays small.
constexpr qsizetype MaxCachedTexts = 20000;
}

int QtSurface::TextWidth(const QString& text)
{
    SizedFont& f = Current();
    if (const auto it = f.Widths.constFind(text); it != f.Widths.cend())
        return *it;
    if (f.Widths.size() >= MaxCachedTexts)
        f.Widths.clear();
    const int width = f.Metrics.horizontalAdvance(text);
    f.Widths.insert(text, width);
    return width;
}

int QtSurface::TextHeight(const QString&)
{
    const auto& m = Current().Metrics;
    return m.ascent() + m.descent();
}

void QtSurface::TextOut(int x, int y, const QString& text)
{
    if (!Painter)
        return;
    const int width = TextWidth(text);
    SizedFont& f = Current();
    const int height = f.Metrics.ascent() + f.Metrics.descent();
    const QRect box(x, y, width, height);
    if (width > 0 && height > 0 && Drawn.Touches(box)) {
        Flush();
        Painter->fillRect(box, Background);
    }
    Drawn.Add(box);
    auto runs = f.Runs.constFind(text);
    if (runs == f.Runs.cend()) {
        if (f.Runs.size() >= MaxCachedTexts)
            f.Runs.clear();
        QTextLayout layout(text, f.Font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e9);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        runs = f.Runs.insert(text, layout.glyphRuns());
    }
    // The runs' baseline sits at the font's ascent below the layout's top.
    for (const QGlyphRun& run : *runs) {
        const QRawFont font = run.rawFont();
        auto pending = std::find_if(Pending.begin(), Pending.end(), [&](const PendingRun& p) { return p.Font == font; });
        if (pending == Pending.end())
            pending = Pending.insert(Pending.end(), PendingRun{font, {}, {}});
        pending->Glyphs += run.glyphIndexes();
        for (const QPointF& position : run.positions())
            pending->Positions.append(position + QPointF(x, y));
    }
}

void QtSurface::Line(int x1, int y1, int x2, int y2)
{
    if (!Painter)
        return;
    // The end point itself is not drawn, so a grid's closing lines meet without overlap.
    if (x1 == x2 && y1 == y2)
        return;
    Flush();
    if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    else if (y1 == y2)
        x2 += x2 > x1 ? -1 : 1;
    Painter->drawLine(x1, y1, x2, y2);
    Drawn.Add(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void QtSurface::Shade(int x, int y, int width, int height)
{
    if (!Painter || width <= 0 || height <= 0)
        return;
    Flush();
    // Light enough for a number written over it by hand to stay readable, on any printer.
    const QRect box(x, y, width, height);
    Painter->fillRect(box, QColor(0xDD, 0xDD, 0xDD));
    Drawn.Add(box);
}
