// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"
#include "game/CardView.h"
#include "game/GameLog.h"
#include "game/NinetyBall.h"
#include "game/Patterns.h"
#include "game/Prizes.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// A winner's card as the game dealt it, marked with the calls made when it won, and the
// cells it won with; a ticket's three rows of nine (0: a blank).
struct WinnerCard {
    int Prize = 0; // index into the prizes
    int Card = 0;
    QString Line;
    CardView View;                 // a card's
    std::optional<NinetyBall::Ticket> Ticket;
    std::vector<bool> Marked;      // a card's cells, or a ticket's 27
    std::vector<int> Won;          // the cells it won with
};

// A game's record, as its PDF page and CSV say it.
struct GameRecordSheet {
    QString Code;
    QString Title;         // "Game K7F2-9QXA (Animals)"
    GameLog Log;
    PrizeRound Prizes;
    QStringList PrizeNames; // a name for each of Prizes.Prizes()
    std::vector<WinnerCard> Winners;
};

// Each prize winner's card, dealt again from the game's words, options and seed (or its
// strips, for tickets), and judged for its prize's pattern with the calls made by then.
std::vector<WinnerCard> WinnerCards(const GameRecordSheet& sheet, const QStringList& words, const CardOptions& options,
                                    std::uint32_t seed, bool tickets, const std::vector<Pattern>& own);

// The record as CSV (RFC 4180, UTF-8, CRLF): a row for each call, each call taken back,
// each prize's winners and each claim; a cell that a spreadsheet would take for a formula starts with an apostrophe.
QByteArray RecordCsv(const GameRecordSheet& sheet);
// A time as the record shows it, in the computer's time zone: "2026-12-08 20:15:03".
QString RecordTime(const QDateTime& at);
