// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/PrintJob.h"
#include "game/NinetyBall.h"
#include "game/Patterns.h"

#include <QDateTime>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

// Cards for players who are not in the room: N cards, one file each, in a folder (or N strips
// of 90-ball tickets, a file a ticket). Each file
// holds one card as it prints one to a page, cut to the card with a margin of one cell:
// PNG at 300 dpi or PDF; or the card as a web page that a player taps to mark. Files are
// named card-0001.png ..., or CODE-card-0017.png for the cards of a game. The cards are
// independent, so they are made on every core.
enum class ExportFormat { Png, Pdf, Html };

struct ExportJob {
    CardJob Card;           // options, even text, game code; Cards is the count, FirstCard the first's number
    QString FontName;
    int FontSize = 20;
    QPageSize Paper = QPageSize(QPageSize::A4);
    QString Folder;
    ExportFormat Format = ExportFormat::Png;
    QString Title; // the list's title, on a web page above the card
    std::vector<Pattern> OwnPatterns; // the host's, offered by a web page beside the named shapes
    int Dpi = 300;
    QDateTime Created; // a PDF file's creation date; none: when it is written
    // The cells of card n (1-based); called from several threads at once.
    std::function<QStringList(int card)> Cells;
    // 90-ball tickets instead of cards: strip n (Card.Cards strips from Card.FirstCard), a
    // file for each of its six tickets; called from several threads at once.
    std::function<NinetyBall::Strip(int strip)> Strips;
};

// Cells for ExportJob::Cells outside a game: each card arranged anew, from the clock, or
// with a seed as a print job with that seed arranges its cards (whichever thread draws it).
std::function<QStringList(int)> ArrangedCells(const QStringList& words, const CardOptions& options,
                                              std::optional<std::uint32_t> seed = std::nullopt);

QString ExportFileName(int card, const QString& gameCode, ExportFormat format);
// strip-0003-ticket-2.png, or CODE-strip-0003-ticket-2.png for the tickets of a game.
QString TicketFileName(int strip, int ticket, const QString& gameCode, ExportFormat format);
// The names of the job that are already in its folder.
QStringList ExistingExportFiles(const ExportJob& job);

// Writes the files of cards FirstCard .. FirstCard + Cards - 1; `progress(done, total)` is called from the calling thread and returns
// false to stop (files written stay). Returns how many were written; a failure raises
// PlatformError after the other threads have stopped.
int ExportCards(const ExportJob& job, const std::function<bool(int, int)>& progress = {});
