// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>

// The six card options as the main window's controls hold them. The size index is the
// selected entry of the size list: 0 is 3 x 3, 1 is 5 x 5, anything else (-1 included) 7 x 7.
struct CardOptions {
    int SizeIndex = 1;
    bool FreeSpace = true;
    QString FreeSpaceText = QStringLiteral("Free Space");
    bool Heading = true;
    QString HeadingText = QStringLiteral("BINGO");
    bool WordWrap = true;
};

// Cells a side for a size index: 3, 5 or 7.
inline int CardSide(int sizeIndex)
{
    return sizeIndex == 0 ? 3 : sizeIndex == 1 ? 5 : 7;
}

// Leading and trailing characters of codes 0 to 32 removed.
QString TrimControls(const QString& text);

// The heading's letters as a reader sees them: one per grapheme cluster, so that an emoji
// or a letter with a combining accent stays one letter in one column.
QStringList HeadingLetters(const QString& heading);
