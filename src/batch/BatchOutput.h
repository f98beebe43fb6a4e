// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QElapsedTimer>
#include <optional>

// Where a batch job's pages go, shared by the card jobs and the ticket jobs: the printer (or
// the PDF file), and the files of an --export job.
struct BatchOptions;
class QtPrinters;
class QString;
// The printer a job goes to: the system printer --printer names (saying so, and nothing,
// where there is none of that name), else the PDF printer writing `output` on the paper
// asked for, stamped with the seed's date for repeatable bytes.
std::optional<int> BatchPrinter(QtPrinters& printers, const BatchOptions& options, const QString& output);

struct ExportJob;
// What every --export job shares: the face, the paper, the folder and the format asked for,
// and the list's name as the pages' title ("Bingo" without a list).
ExportJob BatchExportJob(const BatchOptions& options, const QString& fontName, int fontSize);
// Writes an --export job's files, its progress on a terminal; how many were written, or
// nothing (after saying which) where a file of the job is there already.
std::optional<int> WriteBatchExport(const ExportJob& job, bool quiet);

// "card 1234 of 99999", rewritten in place a few times a second on a terminal.
class TerminalProgress {
public:
    explicit TerminalProgress(bool enabled) : Enabled(enabled) { Timer.start(); }
    ~TerminalProgress();
    bool Step(int done, int total); // true: go on

private:
    bool Enabled;
    bool Shown = false;
    QElapsedTimer Timer;
};
