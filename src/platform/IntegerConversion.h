// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <optional>

// Text to a 32-bit integer by the run-time rules the word lists and settings files were
// made with: leading spaces (not tabs), one sign, decimal digits or a hexadecimal number
// after "$", "x", "X", "0x" or "0X", and nothing after the digits. Decimal must fit in
// 32 bits; hexadecimal is read as a 32-bit pattern of at most 8 significant digits.
std::optional<int> TryStrToInt(const QString& text);

// As above, but a text that is not a whole number raises
// "'<text>' is not a valid integer value", with the text as given.
int StrToInt(const QString& text);
