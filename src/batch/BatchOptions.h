// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"
#include "game/WinPatterns.h"

#include <QString>
#include <QStringList>
#include <optional>

// The command line of plumwick-print. Options not given stay unset here and are taken
// from the user's settings file, as the window reads them at start-up.
struct BatchOptions {
    QString ListFile;
    QString Output;  // PDF file; empty: the list's name with ".pdf"
    QString Printer; // a system printer instead of a PDF
    int Cards = 1;
    int PerPage = 1;
    std::optional<int> SizeIndex;
    std::optional<bool> FreeSpace;
    std::optional<QString> FreeSpaceText;
    std::optional<bool> Heading;
    std::optional<QString> HeadingText;
    std::optional<bool> WordWrap;
    std::optional<QString> FontName;
    std::optional<int> FontSize;
    std::optional<QString> Paper; // a name the PDF printer offers, any letter case
    std::optional<bool> SameTextSize; // unset: as the settings say
    QString ExportFolder;         // --export: one file per card there
    QString ExportFormat = QStringLiteral("png");
    bool CallList = false;
    std::optional<std::uint32_t> Seed;
    bool Quiet = false;
    // Numbered games: print a new game, print a game again, or check a card of one.
    bool Numbered = false;
    std::optional<QString> Game;
    bool More = false; // with Game: the next cards (strips) no one has had, not cards 1 to N again
    std::optional<QString> Check;
    std::optional<QString> Record; // a game code: its record written
    int Card = 0;
    QString CalledFile;
    QString Pattern = QStringLiteral("line");
    // 90-ball tickets instead of cards: strips of six tickets of the numbers 1 to 90.
    bool Tickets = false;
    int Strips = 1;
    int Strip = 0;  // --check: the strip, and the ticket on it (1 to 6) ...
    int Ticket = 0; // ... or, without a strip, the ticket's number counted through the game
    bool Help = false;
    bool Version = false;
    bool ListPatterns = false;
};

// Parses the arguments (without the program name). A bad option or value gives the
// one-line message in `error` and nothing else.
std::optional<BatchOptions> ParseBatchOptions(const QStringList& arguments, QString& error);

QString BatchUsage();
