// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>

// Words joined into a line of other text, each set apart for the bidirectional algorithm
// (first strong isolate ... pop directional isolate): two Arabic or Hebrew words in a row of
// an English list keep the list's order instead of running together right to left.
inline QString JoinIsolated(const QStringList& words, const QString& separator)
{
    QStringList isolated;
    isolated.reserve(words.size());
    for (const QString& word : words)
        isolated << QChar(0x2068) + word + QChar(0x2069);
    return isolated.join(separator);
}
