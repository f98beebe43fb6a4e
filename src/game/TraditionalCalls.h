// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <map>

// The traditional calls of 90-ball bingo ("Two little ducks, 22"), kept as a text file the
// host may edit: a call a line, the number, a tab or spaces and what is said; blank lines,
// notes starting with "#" and lines that name no number from 1 to 90 are passed over. A
// number given twice keeps its last call.
std::map<int, QString> ParseTraditionalCalls(const QString& text);

// What the caller shows and says for a number: "Two little ducks, 22", or the number alone
// where it has no call.
QString TraditionalCallText(const std::map<int, QString>& calls, int number);
