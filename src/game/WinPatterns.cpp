// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/WinPatterns.h"
#include <QCoreApplication>

namespace {

struct Line {
    QString Name;
    std::vector<int> Cells;
};

QString Missing(int count, const QString& what)
{
    return QCoreApplication::translate("WinPatterns", "No bingo yet: %1 %2 missing for %3")
        .arg(count)
        .arg(count == 1 ? QCoreApplication::translate("WinPatterns", "word") : QCoreApplication::translate("WinPatterns", "words"), what);
}

int Unmarked(const std::vector<bool>& marked, const std::vector<int>& cells)
{
    int missing = 0;
    for (int c : cells)
        missing += marked[c] ? 0 : 1;
    return missing;
}

} // namespace

Verdict CheckPattern(const std::vector<bool>& marked, int side, WinPattern pattern, const QStringList& headingLetters)
{
    std::vector<int> diagonal, anti, corners = {0, side - 1, side * (side - 1), side * side - 1}, all;
    for (int i = 0; i < side; ++i) {
        diagonal.push_back(i * side + i);
        anti.push_back(i * side + side - 1 - i);
    }
    for (int i = 0; i < side * side; ++i)
        all.push_back(i);

    auto single = [&](const std::vector<int>& cells, const QString& name, const QString& forWhat) {
        const int missing = Unmarked(marked, cells);
        return missing == 0 ? Verdict{true, QCoreApplication::translate("WinPatterns", "Bingo: %1").arg(name), 0, cells, name}
                            : Verdict{false, Missing(missing, forWhat), missing, {}, {}};
    };
    switch (pattern) {
    case WinPattern::FourCorners:
        return single(corners, QCoreApplication::translate("WinPatterns", "four corners"), QCoreApplication::translate("WinPatterns", "the four corners"));
    case WinPattern::FullCard:
        return single(all, QCoreApplication::translate("WinPatterns", "full card"), QCoreApplication::translate("WinPatterns", "the full card"));
    case WinPattern::X: {
        std::vector<int> both = diagonal;
        for (int c : anti)
            if (c != side / 2 * side + side / 2 || side % 2 == 0)
                both.push_back(c);
        return single(both, QCoreApplication::translate("WinPatterns", "X"), QCoreApplication::translate("WinPatterns", "the X"));
    }
    case WinPattern::AnyLine:
        break;
    }
    std::vector<Line> lines;
    for (int r = 0; r < side; ++r) {
        Line line{QCoreApplication::translate("WinPatterns", "row %1").arg(r + 1), {}};
        for (int c = 0; c < side; ++c)
            line.Cells.push_back(r * side + c);
        lines.push_back(line);
    }
    for (int c = 0; c < side; ++c) {
        const QString letter = c < headingLetters.size() ? headingLetters[c].trimmed() : QString();
        Line line{QCoreApplication::translate("WinPatterns", "column %1").arg(letter.isEmpty() ? QString::number(c + 1) : letter), {}};
        for (int r = 0; r < side; ++r)
            line.Cells.push_back(r * side + c);
        lines.push_back(line);
    }
    lines.push_back({QCoreApplication::translate("WinPatterns", "diagonal"), diagonal});
    lines.push_back({QCoreApplication::translate("WinPatterns", "diagonal"), anti});
    int best = side;
    for (const Line& line : lines) {
        const int missing = Unmarked(marked, line.Cells);
        if (missing == 0)
            return {true, QCoreApplication::translate("WinPatterns", "Bingo: %1").arg(line.Name), 0, line.Cells, line.Name};
        best = std::min(best, missing);
    }
    return {false, Missing(best, QCoreApplication::translate("WinPatterns", "the best line")), best, {}, {}};
}

bool ParsePattern(const QString& name, WinPattern& pattern)
{
    const QString n = name.toLower();
    if (n == QStringLiteral("line"))
        pattern = WinPattern::AnyLine;
    else if (n == QStringLiteral("corners"))
        pattern = WinPattern::FourCorners;
    else if (n == QStringLiteral("x"))
        pattern = WinPattern::X;
    else if (n == QStringLiteral("full"))
        pattern = WinPattern::FullCard;
    else
        return false;
    return true;
}

QString PatternName(WinPattern pattern)
{
    switch (pattern) {
    case WinPattern::AnyLine: return QCoreApplication::translate("WinPatterns", "Any line");
    case WinPattern::FourCorners: return QCoreApplication::translate("WinPatterns", "Four corners");
    case WinPattern::X: return QCoreApplication::translate("WinPatterns", "X");
    case WinPattern::FullCard: return QCoreApplication::translate("WinPatterns", "Full card");
    }
    return {};
}
