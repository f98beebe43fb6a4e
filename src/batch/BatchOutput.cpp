// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchOutput.h"
#include "batch/BatchMessages.h"
#include "batch/BatchOptions.h"
#include "output/CardExport.h"
#include "output/QtPrinters.h"
#include "platform/Paths.h"
#include "settings/OwnPatterns.h"
#include "settings/PaperSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimeZone>
#include <cstdio>
#include <unistd.h>

TerminalProgress::~TerminalProgress()
{
    if (Shown)
        std::fputs("\n", stderr);
}

bool TerminalProgress::Step(int done, int total)
{
    if (Enabled && (Timer.elapsed() >= 250 || done == total)) {
        std::fprintf(stderr, "\r%s", qUtf8Printable(QCoreApplication::translate("BatchPrint", "card %1 of %2")
                                                         .arg(std::min(done + 1, total))
                                                         .arg(total)));
        std::fflush(stderr);
        Shown = true;
        Timer.restart();
    }
    return true;
}

// A seeded job's files are dated from the seed, so they come out the same run after run: the
// seed's number of seconds after the first of January 2000.
static QDateTime SeededDate(std::uint32_t seed)
{
    return QDateTime::fromSecsSinceEpoch(946684800LL + seed, QTimeZone::utc());
}

ExportJob BatchExportJob(const BatchOptions& options, const QString& fontName, int fontSize)
{
    ExportJob job;
    job.FontName = fontName;
    job.FontSize = fontSize;
    job.Paper = QtPrinters::PdfPaperNamed(options.Paper.value_or(PaperSettings::Stored(PdfPrinterName)))
                    .value_or(QPageSize(QtPrinters::LocalePaper()));
    job.Folder = options.ExportFolder;
    job.Format = options.ExportFormat == QStringLiteral("pdf")    ? ExportFormat::Pdf
                 : options.ExportFormat == QStringLiteral("html") ? ExportFormat::Html
                                                                  : ExportFormat::Png;
    job.Title = options.ListFile.isEmpty() ? QStringLiteral("Bingo") : QFileInfo(options.ListFile).completeBaseName();
    job.OwnPatterns = OwnPatterns::Read();
    if (options.Seed)
        job.Created = SeededDate(*options.Seed);
    return job;
}

std::optional<int> WriteBatchExport(const ExportJob& job, bool quiet)
{
    const QStringList existing = ExistingExportFiles(job);
    if (!existing.isEmpty()) {
        BatchFail(QCoreApplication::translate("BatchPrint", "%1 is already there; remove it or export to another folder")
                 .arg(JoinPath(job.Folder, existing.front())));
        return std::nullopt;
    }
    TerminalProgress progress(!quiet && ::isatty(STDERR_FILENO));
    return ExportCards(job, [&](int done, int total) { return progress.Step(done, total); });
}

std::optional<int> BatchPrinter(QtPrinters& printers, const BatchOptions& options, const QString& output)
{
    const QStringList names = printers.Names();
    if (!options.Printer.isEmpty()) {
        const int index = static_cast<int>(names.indexOf(options.Printer));
        if (index < 0 || index == names.size() - 1) {
            BatchFail(QCoreApplication::translate("BatchPrint", "no printer named '%1'").arg(options.Printer));
            return std::nullopt;
        }
        // The paper chosen for this printer in the window's Page Setup, as the window prints.
        printers.UsePaper(PaperSettings::Stored(options.Printer));
        return index;
    }
    printers.SetPdfOutput(output);
    printers.UsePaper(options.Paper.value_or(PaperSettings::Stored(PdfPrinterName)));
    if (options.Seed)
        printers.SetPdfCreationDate(SeededDate(*options.Seed));
    return static_cast<int>(names.size()) - 1;
}

