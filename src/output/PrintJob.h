// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/CardLook.h"
#include "card/CardOptions.h"
#include <QStringList>
#include <functional>

class Printers;
class Surface;

// Aborts a begun job unless it was ended, so that an error never leaves a job open.
class OpenJob {
public:
    explicit OpenJob(Printers& printers) : Target(printers) {}
    ~OpenJob();
    OpenJob(const OpenJob&) = delete;
    OpenJob& operator=(const OpenJob&) = delete;
    void End();

private:
    Printers& Target;
    bool Ended = false;
};

// Reports the progress of a job; returning false cancels it.
using JobProgress = std::function<bool(int done, int total)>;

// The words of the line under a numbered card or ticket, in a game's language (empty:
// English, as every game made before games kept their language printed).
struct FooterWords {
    QString Card, Game, Check, Strip, Ticket;
    static FooterWords In(const QString& language);
};

// A job of cards on the current printer, whose font is already set. Before each card
// `arrange` fills `cells` anew. Returns false when the job did not run to its end: the
// user declined the PDF printer's file name (nothing begun), or progress cancelled it
// (the job is aborted). Printing failures throw and abort the job.
// With a game code, every card carries "Card n · Game CODE" under its grid, left-aligned
// with it; the page layout stays as it is.
struct CardJob {
    CardOptions Options;
    int Cards = 1;
    int PerPage = 1;
    QString GameCode;
    // "Same Text Size": every word at one size worked out from the whole list, the heading
    // letters at one of their own.
    bool SameTextSize = false;
    QStringList AllWords;
    int FirstCard = 1; // the number the first card's line gives
    // The game's secret: each card's line then ends in its check code (none: no code).
    QString CheckSecret;
    QString Language; // the language of the cards' lines: the game's (empty: English)
    // The cards' design: its title in a row of its own above each card, its footer on the
    // line under it (right of a numbered card's line), its colours and logo.
    DesignedLook Look;
};
bool RunCardJob(Printers& printers, const CardJob& job, const std::function<void()>& arrange,
                const QStringList& cells, const JobProgress& progress);

// The call list: every word in list order, in columns on one page, at the card font size
// or smaller where a word is wider than its column. Progress counts words.
// A heading, when given, stands on its own line above the columns ("Game K7F2-9QXA").
// A picture entry prints as its caption beside its picture, in a row twice a line's height
// (`pictures`: the list's; without them, the caption alone).
bool RunCallListJob(Printers& printers, const QStringList& words, const JobProgress& progress = {},
                    const QString& heading = {}, const PictureShelf* pictures = nullptr);

// The size a word of the call list is printed at: going down one point at a time from the
// card size `start`, the first at which the word is no wider than the column less two "M"
// (1 point at the least). Found from one or two measurements, not one at every point.
int CallListSize(Surface& canvas, const QString& word, int columnWidth, int start);

// "Card 17 · Game K7F2-9QXA", and " · Check MXRTA" where the card has a check code.
QString CardFooterText(int card, const QString& gameCode, const QString& check = {},
                       const FooterWords& words = FooterWords::In({}));

// The part of a job every command shares after its checks: make the printer current
// (index -1: the default one) with its pages upright or turned, name the document
// "Plumwick" and set the bold card font.
void PreparePrinter(Printers& printers, int printerIndex, const QString& fontName, int fontSize,
                    bool landscape = false);
