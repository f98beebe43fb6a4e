// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// What a player's phone may say to a shared game, one small JSON object a message:
//   {"type":"deal"}                        a new card, never printed, exported or dealt
//   {"type":"take","card":17}              the printed card 17 in the player's hand
//   {"type":"take","card":17,"check":"MXRTA"}  with the check code printed under it
//   {"type":"hello","secret":"<32 hex>"}   back after a reload or a sleep: the same seat
//   {"type":"claim","secret":"<32 hex>"}   bingo on the seat's card
// Anything else (too long, not JSON, an unknown type, a secret of another shape, a card out
// of range, more members than the type has) is refused whole.
struct PlayerMessage {
    enum class Kind { Deal, Take, Hello, Claim };
    Kind Type = Kind::Deal;
    QString Secret; // Hello and Claim
    int Card = 0;   // Take
    QString Check;  // Take: the check code typed, at most 16 characters
};

inline constexpr qsizetype MaxPlayerMessage = 4096;
inline constexpr int MaxSharedCard = 100000;

std::optional<PlayerMessage> ParsePlayerMessage(const QByteArray& bytes);

// A seat's secret as the game hands it out: 32 lowercase hex digits (128 bits).
bool IsSeatSecret(const QString& text);
