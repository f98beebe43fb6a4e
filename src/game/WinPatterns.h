// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// Whether a card wins: its cells marked where their word has been called (the free space
// counts as called), checked against a pattern. Plain logic over the grid.
enum class WinPattern { AnyLine, FourCorners, X, FullCard };

struct Verdict {
    bool Bingo = false;
    QString Text; // "Bingo: row 3", "No bingo yet: 2 words missing for the best line"
    int Missing = 0;
    std::vector<int> Cells; // the cells of the winning pattern, where there is a bingo
    QString Name;           // and its name: "row 3", "four corners"
};

// `marked` holds side x side flags in reading order. Columns are named by their heading
// letter where the card has one (`headingLetters`, may be shorter than the side), else by
// number.
Verdict CheckPattern(const std::vector<bool>& marked, int side, WinPattern pattern,
                     const QStringList& headingLetters = {});

// "line", "corners", "x", "full" (as plumwick-print takes them).
bool ParsePattern(const QString& name, WinPattern& pattern);
QString PatternName(WinPattern pattern); // "Any line", "Four corners", "X", "Full card"
