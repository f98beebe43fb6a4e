// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>

// The numbers from..to as words, in counting order.
inline QStringList NumberWords(int from, int to)
{
    QStringList words;
    for (int i = from; i <= to; ++i)
        words << QString::number(i);
    return words;
}
