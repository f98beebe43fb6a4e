#include "platform/QtSurface.h"

#include <QPainter>
#include <algorithm>

QtSurface::QtSurface(int dotsPerInch, QColor background)
    : Dpi(dotsPerInch), Background(background)
{
}

QtSurface::~QtSurface() = default;

void QtSurface::Attach(QPainter* painter)
{
    Painter = painter;
    InPainter = nullptr;
    if (Painter) {
        Painter->setRenderHint(QPainter::Antialiasing, false);
        Painter->setPen(QPen(Qt::black, 1));
    }
}

void QtSurface::FillBackground()
{
    if (!Painter)
        return;
    const QRect area = Painter->hasClipping() ? Painter->clipBoundingRect().toAlignedRect()
                                              : Painter->window();
    Painter->fillRect(area, Background);
}

void QtSurface::SetFont(const QString& face, int points, bool bold)
{
    if (face != Face || bold != Bold) {
        Fonts.clear();
        InPainter = nullptr;
    }
    Face = face;
    Bold = bold;
    SetFontSize(points);
}

void QtSurface::SetFontSize(int points)
{
    Points = points;
    Active = nullptr;
}

const QtSurface::SizedFont& QtSurface::Current()
{
    if (Active)
        return *Active;
    const int pixels = std::max(1, PointsToPixels(std::clamp(Points, 1, MaxFontPoints), Dpi));
    auto& slot = Fonts[pixels];
    if (!slot) {
        QFont font(Face);
        font.setPixelSize(pixels);
        font.setBold(Bold);
        font.setStyleStrategy(QFont::PreferAntialias);
        slot = std::make_shared<SizedFont>(SizedFont{font, QFontMetrics(font)});
    }
    Active = slot.get();
    return *Active;
}

int QtSurface::TextWidth(const QString& text)
{
    return Current().Metrics.horizontalAdvance(text);
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
    const SizedFont& f = Current();
    const int width = f.Metrics.horizontalAdvance(text);
    const int height = f.Metrics.ascent() + f.Metrics.descent();
    Painter->fillRect(QRect(x, y, width, height), Background);
    if (InPainter != &f) {
        Painter->setFont(f.Font);
        InPainter = &f;
    }
    Painter->drawText(QPoint(x, y + f.Metrics.ascent()), text);
}

void QtSurface::Line(int x1, int y1, int x2, int y2)
{
    if (!Painter)
        return;
    // The end point itself is not drawn, so a grid's closing lines meet without overlap.
    if (x1 == x2 && y1 == y2)
        return;
    if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    else if (y1 == y2)
        x2 += x2 > x1 ? -1 : 1;
    Painter->drawLine(x1, y1, x2, y2);
}
