// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// The check code printed on a numbered card: five letters that only the game's secret can
// make ("Card 17 · Game K7F2-9QXA · Check MXRTA"), so that a phone taking printed card 17
// shows the paper is in its player's hand. The letters leave out every one that reads like
// a digit or another letter (B D G I L O Q S U Z): 16 letters, 20 bits, about one chance in
// a million for a guess. A game without a secret (printed before check codes) has none.
namespace CheckCode {

inline constexpr int Length = 5;
inline constexpr char Letters[] = "ACEFHJKMNPRTVWXY";

// A new game's secret: 128 random bits as 32 hexadecimal digits.
QString NewSecret();
// The code of card n (an empty text without a secret). `kind` keeps a card's codes apart
// from a ticket's: "card" or "ticket".
QString Of(const QString& secret, int card, const char* kind = "card");
// Whether a typed code is that one: letters in any case, blanks and dashes left out.
bool Matches(const QString& typed, const QString& expected);

} // namespace CheckCode
