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

int ShrunkSize(Surface& surface, long long room, const std::function<long long()>& needs)
{
    const int start = surface.FontSize();
    const long long atStart = needs();
    if (start <= 1 || atStart <= room)
        return start;
    // Shrinking goes from min(start, the largest size) - 1 down to 1 point and stops at 1
    // whether the text fits there or not.
    const int top = std::min(start, MaxFontPoints) - 1;
    if (top <= 1) {
        surface.SetFontSize(std::max(top, 1));
        return surface.FontSize();
    }
    // Estimated from the one measurement, and measured again only where the estimate is
    // within a quarter of the room of the edge.
    const int drawn = std::min(start, MaxFontPoints);
    auto tooWide = [&](int size) {
        const double guess = static_cast<double>(atStart) * size / drawn;
        if (guess > 1.25 * room)
            return true;
        if (guess < 0.8 * room)
            return false;
        surface.SetFontSize(size);
        return needs() > room;
    };
    int size = static_cast<int>(
        std::clamp<long long>(atStart > 0 && room > 0 ? drawn * room / atStart : 1, 1, top));
    if (tooWide(size)) {
        while (size > 1 && tooWide(--size)) {
        }
    } else {
        while (size < top && !tooWide(size + 1))
            ++size;
    }
    surface.SetFontSize(size);
    return size;
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
        ShrunkSize(surface, width, [&] {
            return std::max(surface.TextWidth(lines.First), surface.TextWidth(lines.Second)) +
                   margin * static_cast<long long>(surface.TextWidth(m));
        });
        auto pairHeight = [&] { return surface.TextHeight(lines.First) + surface.TextHeight(lines.Second); };
        while (pairHeight() > height - margin * surface.TextHeight(m) && ShrinkFont(surface)) {
        }
        const int y = (height - pairHeight()) / 2;
        const int size = surface.FontSize();
        fitted.push_back({(width - surface.TextWidth(lines.First)) / 2, y, lines.First, size});
        fitted.push_back({(width - surface.TextWidth(lines.Second)) / 2, y + surface.TextHeight(lines.First),
                          lines.Second, size});
    } else {
        ShrunkSize(surface, width, [&] {
            return surface.TextWidth(text) + margin * static_cast<long long>(surface.TextWidth(m));
        });
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

void FitCellText(Surface& surface, const QRect& box, const QString& text, bool wordWrap, int margin)
{
    DrawFitted(surface, box.x(), box.y(), ComputeFit(surface, box.width(), box.height(), text, wordWrap, margin));
}

void CellFitCache::Draw(Surface& surface, int left, int top, int width, int height, const QString& text,
                        bool wordWrap, int margin)
{
    const Box box{surface.FontFace(), width, height, surface.FontSize(), margin, wordWrap, surface.FontBold()};
    if (Last >= Outcomes.size() || !(Outcomes[Last].first == box)) {
        Last = 0;
        while (Last < Outcomes.size() && !(Outcomes[Last].first == box))
            ++Last;
        if (Last == Outcomes.size()) {
            if (Outcomes.size() >= 64) { // a window resized many times
                Outcomes.clear();
                Count = 0;
                Last = 0;
            }
            Outcomes.emplace_back(box, QHash<QString, FittedText>());
        }
    }
    QHash<QString, FittedText>& outcomes = Outcomes[Last].second;
    auto it = outcomes.constFind(text);
    if (it == outcomes.cend()) {
        if (Count >= 50000) {
            Outcomes.clear();
            Count = 0;
            Draw(surface, left, top, width, height, text, wordWrap, margin);
            return;
        }
        ++Count;
        it = outcomes.insert(text, ComputeFit(surface, width, height, text, wordWrap, margin));
    }
    DrawFitted(surface, left, top, *it);
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
