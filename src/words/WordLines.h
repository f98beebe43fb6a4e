// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>

// Text with one word per line, as pasted, dropped or edited as a whole: each line trimmed
// of characters 0 to 32 as the list files' reading rule trims, empty lines skipped. Lines
// end at CR LF, LF or a lone CR, so no word ever holds a line break.
QStringList SplitWordLines(const QString& text);
bool HasLineBreak(const QString& text);
