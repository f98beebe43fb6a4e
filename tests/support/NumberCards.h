// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardArrangement.h"
#include "output/PrintJob.h"
#include "card/RandomSource.h"
#include "support/SteppingClock.h"
#include "support/Words.h"

// Prints cards of the numbers 1 to 75 (5 x 5 with heading and free space), `perPage` to a
// page, each arranged anew from a stepping clock, on a printer whose font is already set.
inline bool PrintNumberCards(Printers& printers, int cards, int perPage)
{
    const QStringList words = NumberWords(1, 75);
    CardJob job;
    job.Cards = cards;
    job.PerPage = perPage;
    SteppingClock clock;
    RandomSource random(clock);
    QStringList cells;
    return RunCardJob(printers, job, [&] { ArrangeCardCells(words, true, 1, random, cells); }, cells, {});
}
