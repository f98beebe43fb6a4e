// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardArrangement.h"
#include "card/CardOptions.h"
#include "game/GameCode.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// A game of numbered cards: card n is arranged by the usual rules with its generator seeded
// from the game's seed and n instead of the clock, so it can be made again from the code,
// the list and the options. No two cards of a game show the same words in the same cells: a
// card that would repeat an earlier one is arranged again with the next try, in order, so
// re-making the cards gives the same result. Plain logic; printing and windows use it.
class NumberedGame {
public:
    NumberedGame(const QStringList& words, const CardOptions& options, std::uint32_t seed);

    GameCode Code() const { return {Seed, ShapeCheck(Words, Options.SizeIndex, Options.FreeSpace)}; }
    int CellsShown() const { return Shown; }

    // How many different cards the list can give, where that can be counted (every word
    // different); nullopt when it can't, or when it is beyond 2^62.
    std::optional<std::uint64_t> DifferentCards() const;

    // Works out the tries of cards 1 .. count. False, with the message in `error`, when the
    // list can't give that many different cards ("This word list gives only 12 different
    // cards."). Where 1,000 tries on one card find nothing new and the cards can be counted
    // (at most MaxCountedCards of them), the rest are dealt from the cards not yet given, so
    // every different card can be had; otherwise that too ends the planning.
    bool Plan(int count, QString& error);
    int Planned() const { return static_cast<int>(Attempts.size()); }

    // Card n (1-based, at most Planned()) as ArrangeCardCells would leave it.
    QStringList Card(int n) const;

    static constexpr int MaxTries = 1000;
    static constexpr std::uint64_t MaxCountedCards = 4'000'000;

private:
    std::uint64_t Fingerprint(const std::vector<int>& cells) const;
    void Arrange(int n, int attempt, std::vector<int>& cells) const;
    // The card of this rank among every different card of a list without repeats.
    void Unrank(std::uint64_t rank, std::vector<int>& cells) const;
    static constexpr std::uint16_t FromRank = 0xFFFF; // an attempt that stands for a rank

    QStringList Words;
    CardOptions Options;
    std::uint32_t Seed;
    ArrangementPlan Arrangement;
    std::vector<int> WordIds; // the first index of each equal word: cards compare by text
    int Shown = 0;
    std::vector<std::uint16_t> Attempts;
    std::vector<std::uint64_t> Ranks; // of the last cards, where they were dealt by rank
};

// The highest card number a game can have: a job of at most 99,999 cards is rounded up to
// whole pages, 4 to a page at most.
inline constexpr int MaxCardNumber = 100000;

// A fresh seed for a new game, from the program's well-mixed clock.
std::uint32_t NewGameSeed();
