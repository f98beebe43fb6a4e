// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "words/WordLines.h"
#include "card/CardOptions.h"

#include <QRegularExpression>

QStringList SplitWordLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList words;
    for (const QString& line : text.split(lineBreak)) {
        const QString word = TrimControls(line);
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

bool HasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}
