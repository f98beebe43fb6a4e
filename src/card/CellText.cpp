#include "card/CellText.h"
#include "card/CardOptions.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cstdlib>

bool ShrinkFont(Surface& surface)
{
    const int size = surface.FontSize();
    if (size <= 1)
        return false;
    surface.SetFontSize(std::min(size, MaxFontPoints) - 1);
    return true;
}

TwoLines BalancedSplit(Surface& surface, const QString& text)
{
    TwoLines best;
    int bestDifference = surface.TextWidth(text);
    auto consider = [&](const QString& first, const QString& second) {
        const QString a = TrimControls(first);
        const QString b = TrimControls(second);
        const int d = std::abs(surface.TextWidth(a) - surface.TextWidth(b));
        if (d <= bestDifference) {
            bestDifference = d;
            best = {a, b};
        }
    };
    for (qsizetype blank = text.indexOf(u' '); blank >= 0; blank = text.indexOf(u' ', blank + 1))
        consider(text.left(blank), text.mid(blank + 1));
    consider(text, QString());
    return best;
}

namespace {

void DrawCentred(Surface& surface, int left, int top, int width, int height, const QString& text)
{
    surface.TextOut(left + (width - surface.TextWidth(text)) / 2,
                    top + (height - surface.TextHeight(text)) / 2, text);
}

bool TooWide(Surface& surface, const QString& text, int width, int margin)
{
    return surface.TextWidth(text) > width - margin * surface.TextWidth(QStringLiteral("M"));
}

} // namespace

void FitCellText(Surface& surface, int left, int top, int width, int height, const QString& text,
                 bool wordWrap, int margin)
{
    const int remembered = surface.FontSize();
    const QString m = QStringLiteral("M");

    if (!TooWide(surface, text, width, margin)) {
        DrawCentred(surface, left, top, width, height, text);
    } else if (wordWrap && text.contains(u' ')) {
        const TwoLines lines = BalancedSplit(surface, text);
        while ((TooWide(surface, lines.First, width, margin) ||
                TooWide(surface, lines.Second, width, margin)) &&
               ShrinkFont(surface)) {
        }
        auto pairHeight = [&] {
            return surface.TextHeight(lines.First) + surface.TextHeight(lines.Second);
        };
        while (pairHeight() > height - margin * surface.TextHeight(m) && ShrinkFont(surface)) {
        }
        const int h = pairHeight();
        const int y = top + (height - h) / 2;
        surface.TextOut(left + (width - surface.TextWidth(lines.First)) / 2, y, lines.First);
        surface.TextOut(left + (width - surface.TextWidth(lines.Second)) / 2,
                        y + surface.TextHeight(lines.First), lines.Second);
    } else {
        while (TooWide(surface, text, width, margin) && ShrinkFont(surface)) {
        }
        DrawCentred(surface, left, top, width, height, text);
    }

    surface.SetFontSize(remembered);
}
