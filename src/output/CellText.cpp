// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CellText.h"
#include "card/CardOptions.h"
#include "platform/Surface.h"

#include <QSet>
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

bool TooWide(Surface& surface, const QString& text, int width, int margin)
{
    return surface.TextWidth(text) > width - margin * surface.TextWidth(QStringLiteral("M"));
}

// The direction of a text's first letter that has one: right to left, left to right, or
// neither (digits and signs alone).
enum class Direction { None, LeftToRight, RightToLeft };
Direction FirstStrong(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        switch (QChar::direction(c)) {
        case QChar::DirL: return Direction::LeftToRight;
        case QChar::DirR:
        case QChar::DirAL: return Direction::RightToLeft;
        default: break;
        }
    return Direction::None;
}

// Each line of a wrapped text is laid out alone, taking its direction from its own first
// letter: the second line of a Hebrew phrase that starts with an English word would read
// left to right, its words in the wrong order. Such a line starts with a mark of the
// phrase's direction (it draws nothing).
void KeepDirection(const QString& text, TwoLines& lines)
{
    const Direction phrase = FirstStrong(text);
    if (phrase == Direction::None)
        return;
    for (QString* line : {&lines.First, &lines.Second}) {
        const Direction own = FirstStrong(*line);
        if (own != Direction::None && own != phrase)
            line->prepend(phrase == Direction::RightToLeft ? QChar(0x200F) : QChar(0x200E));
    }
}

} // namespace

FittedText ComputeFit(Surface& surface, int width, int height, const QString& text, bool wordWrap, int margin)
{
    if (text.size() > MaxCellCharacters) {
        const qsizetype keep = text[MaxCellCharacters - 2].isHighSurrogate() ? MaxCellCharacters - 2 : MaxCellCharacters - 1;
        return ComputeFit(surface, width, height, text.left(keep) + QChar(0x2026), wordWrap, margin);
    }
    const int remembered = surface.FontSize();
    const QString m = QStringLiteral("M");
    FittedText fitted;
    auto centred = [&](const QString& line) {
        fitted.push_back({(width - surface.TextWidth(line)) / 2, (height - surface.TextHeight(line)) / 2, line,
                          surface.FontSize()});
    };

    if (!TooWide(surface, text, width, margin)) {
        centred(text);
    } else if (wordWrap && text.contains(u' ')) {
        TwoLines lines = BalancedSplit(surface, text);
        KeepDirection(text, lines);
        while ((TooWide(surface, lines.First, width, margin) || TooWide(surface, lines.Second, width, margin)) &&
               ShrinkFont(surface)) {
        }
        auto pairHeight = [&] { return surface.TextHeight(lines.First) + surface.TextHeight(lines.Second); };
        while (pairHeight() > height - margin * surface.TextHeight(m) && ShrinkFont(surface)) {
        }
        const int y = (height - pairHeight()) / 2;
        const int size = surface.FontSize();
        fitted.push_back({(width - surface.TextWidth(lines.First)) / 2, y, lines.First, size});
        fitted.push_back({(width - surface.TextWidth(lines.Second)) / 2, y + surface.TextHeight(lines.First),
                          lines.Second, size});
    } else {
        while (TooWide(surface, text, width, margin) && ShrinkFont(surface)) {
        }
        centred(text);
    }

    surface.SetFontSize(remembered);
    return fitted;
}

void DrawFitted(Surface& surface, int left, int top, const FittedText& fitted)
{
    const int remembered = surface.FontSize();
    for (const FittedLine& line : fitted) {
        if (surface.FontSize() != line.Size)
            surface.SetFontSize(line.Size);
        surface.TextOut(left + line.Dx, top + line.Dy, line.Text);
    }
    if (surface.FontSize() != remembered)
        surface.SetFontSize(remembered);
}

void FitCellText(Surface& surface, int left, int top, int width, int height, const QString& text,
                 bool wordWrap, int margin)
{
    DrawFitted(surface, left, top, ComputeFit(surface, width, height, text, wordWrap, margin));
}

void CellFitCache::Draw(Surface& surface, int left, int top, int width, int height, const QString& text,
                        bool wordWrap, int margin)
{
    const Key key{text,   surface.FontFace(), width,    height, surface.FontSize(),
                  margin, wordWrap,           surface.FontBold()};
    auto it = Outcomes.constFind(key);
    if (it == Outcomes.cend()) {
        if (Outcomes.size() >= 50000)
            Outcomes.clear();
        it = Outcomes.insert(key, ComputeFit(surface, width, height, text, wordWrap, margin));
    }
    DrawFitted(surface, left, top, *it);
}

size_t qHash(const CellFitCache::Key& key, size_t seed)
{
    return qHashMulti(seed, key.Text, key.Face, key.Width, key.Height, key.Size, key.Margin, key.WordWrap, key.Bold);
}

int EvenSize(Surface& surface, const QStringList& texts, int width, int height, bool wordWrap, int margin)
{
    int least = surface.FontSize();
    QSet<QString> seen;
    for (const QString& text : texts) {
        if (text.isEmpty() || seen.contains(text))
            continue;
        seen.insert(text);
        for (const FittedLine& line : ComputeFit(surface, width, height, text, wordWrap, margin))
            least = std::min(least, line.Size);
    }
    return least;
}
