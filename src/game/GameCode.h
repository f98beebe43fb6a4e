// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The code of a numbered game, short enough to read aloud: eight characters of Crockford's
// base 32 (no I, L, O or U, so nothing is mistaken for 1 or 0), grouped 4-4, "K7F2-9QXA".
// Its 40 bits hold the game's seed (20 bits), a check of what shaped the cards (12 bits: the
// word list, the card size, the free-space flag) and a CRC-8 of those 32 bits, which catches
// every mistyped character and most swapped pairs.
struct GameCode {
    std::uint32_t Seed = 0;  // 0 .. 2^20 - 1
    std::uint32_t Shape = 0; // 0 .. 2^12 - 1

    QString Text() const;
    bool operator==(const GameCode&) const = default;

    static constexpr std::uint32_t SeedLimit = 1u << 20;
};

enum class GameCodeError { None, Malformed, Mistyped };

// Reads a code as a person types it: any case, with or without the dash or blanks;
// O is read as 0 and I or L as 1.
std::optional<GameCode> ParseGameCode(const QString& text, GameCodeError* error = nullptr);

// Why a typed code was refused, in words: "K7F2-9QXB is not the code of a game: a
// character is mistyped", or "... is not a game code (eight letters and digits, ...)".
QString GameCodeErrorText(const QString& typed, GameCodeError why);

// The check of a list and the options that shape its cards.
std::uint32_t ShapeCheck(const QStringList& words, int sizeIndex, bool freeSpace);
