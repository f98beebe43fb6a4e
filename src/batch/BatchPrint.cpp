// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchPrint.h"
#include "batch/BatchOutput.h"
#include "settings/DesignFile.h"
#include "batch/BatchGame.h"
#include "batch/BatchMessages.h"
#include "batch/BatchOptions.h"
#include "batch/BatchTickets.h"
#include "output/CardExport.h"
#include "game/NumberedGame.h"
#include "settings/OwnPatterns.h"
#include "settings/SettingsFlag.h"
#include "records/GameHistory.h"
#include "settings/PaperSettings.h"
#include "card/CardArrangement.h"
#include "output/CardPrinting.h"
#include "output/PrintJob.h"
#include "card/RandomSource.h"
#include "platform/Clock.h"
#include "platform/MissingGlyphs.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "output/QtPrinters.h"
#include "platform/TextFile.h"
#include "settings/CardSettings.h"
#include "platform/Paths.h"
#include "settings/DataFolders.h"
#include "words/WordList.h"
#include "words/WordListFormat.h"

#include <QElapsedTimer>
#include <QTimeZone>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The list's design, kept beside it, and the pictures of its entries (named from the list's
// folder, or from the folder of pictures given as the list); a logo or picture that can't be
// read is said, and left out.
DesignedLook ListLook(const QString& listFile, const QStringList& words)
{
    const bool folder = QFileInfo(listFile).isDir();
    QString problem;
    DesignedLook look = ReadLook(folder ? CardDesign() : DesignFile::ForList(listFile), &problem);
    if (!problem.isEmpty())
        BatchWarn(problem);
    QStringList problems;
    look.Pictures = ReadShelf(words, folder ? listFile : QFileInfo(listFile).absolutePath(), &problems);
    for (const QString& p : problems)
        BatchWarn(p);
    return look;
}

QString CardName(const CardOptions& card)
{
    const int side = CardSide(card.SizeIndex);
    return (card.FreeSpace ? QCoreApplication::translate("BatchPrint", "a %1 x %1 card with a free space")
                           : QCoreApplication::translate("BatchPrint", "a %1 x %1 card"))
        .arg(side);
}

QString DefaultOutput(const QString& listFile)
{
    return QFileInfo(listFile).completeBaseName() + QStringLiteral(".pdf");
}


int RunJobs(const BatchOptions& options, CardOptions card, const WordList& words, QtPrinters& printers,
            int printerIndex, const QString& fontName, int fontSize);

// --export: one file per card in a folder, never over a file that is there.
int RunExport(const BatchOptions& options, const CardOptions& card, const QStringList& words, const NumberedGame* game,
              int first, const QString& fontName, int fontSize)
{
    ExportJob job = BatchExportJob(options, fontName, fontSize);
    job.Card.Options = card;
    job.Card.Look = ListLook(options.ListFile, words);
    job.Card.Cards = options.Cards;
    job.Card.FirstCard = first;
    job.Card.GameCode = game ? game->Code().Text() : QString();
    job.Card.CheckSecret = game ? GameHistory::SecretOf(job.Card.GameCode) : QString();
    job.Card.Language = game ? GameHistory::LanguageOf(job.Card.GameCode) : QString();
    job.Card.SameTextSize = options.SameTextSize.value_or(SameTextSizeFlag.Read());
    if (job.Card.SameTextSize)
        job.Card.AllWords = words;
    if (game)
        job.Cells = [game](int n) { return game->Card(n); };
    else
        job.Cells = ArrangedCells(words, card, options.Seed);
    const std::optional<int> done = WriteBatchExport(job, options.Quiet);
    if (!done)
        return 1;
    const int written = *done;
    if (game) {
        BatchWarn(GameHistory::Add({job.Card.GameCode, QFileInfo(options.ListFile).absoluteFilePath(), card, first + written - 1}));
        std::printf("Game code: %s\n", qUtf8Printable(job.Card.GameCode));
    }
    return written == job.Card.Cards ? 0 : 1;
}

} // namespace

int RunBatch(const BatchOptions& options)
{
    if (options.Tickets)
        return RunTicketBatch(options);
    try {
        const ProfileFile settings(SettingsFilePath());
        const CardSettings::CardFont storedFont = CardSettings::ReadFont(settings);
        CardOptions card = CardSettings::ReadOptions(settings);
        if (options.SizeIndex) card.SizeIndex = *options.SizeIndex;
        if (options.FreeSpace) card.FreeSpace = *options.FreeSpace;
        if (options.FreeSpaceText) card.FreeSpaceText = *options.FreeSpaceText;
        if (options.Heading) card.Heading = *options.Heading;
        if (options.HeadingText) card.HeadingText = *options.HeadingText;
        // A game's own card options, where the history knows it, before those given here.
        if (options.Game || options.Check)
            ApplyGameOptions(options.Game.value_or(options.Check.value_or(QString())), card);
        if (options.SizeIndex) card.SizeIndex = *options.SizeIndex;
        if (options.FreeSpace) card.FreeSpace = *options.FreeSpace;
        if (options.FreeSpaceText) card.FreeSpaceText = *options.FreeSpaceText;
        if (options.Heading) card.Heading = *options.Heading;
        if (options.HeadingText) card.HeadingText = *options.HeadingText;
        if (options.WordWrap) card.WordWrap = *options.WordWrap;
        const QString fontName = options.FontName.value_or(storedFont.Name);
        const int fontSize = options.FontSize.value_or(storedFont.Size);

        const QString output = options.Printer.isEmpty()
                                   ? (options.Output.isEmpty() ? DefaultOutput(options.ListFile) : options.Output)
                                   : QString();
        const std::optional<QStringList> read = ReadListOrSay(options.ListFile);
        if (!read)
            return 1;
        WordList words;
        words.InsertMany(*read);
        if (!output.isEmpty() && TextFile::SameFile(output, options.ListFile)) {
            BatchFail(QCoreApplication::translate("BatchPrint", "the output %1 is the word list %2 itself; choose another output file")
                     .arg(output, options.ListFile));
            return 1;
        }

        if (options.Check)
            return RunCheck(options, words.Items(), card);
        // Never a silent box on paper: the words that would print with one are named.
        {
            QStringList texts = words.Items();
            if (card.FreeSpace)
                texts << card.FreeSpaceText;
            if (card.Heading)
                texts << card.HeadingText;
            const QStringList missing = WordsWithMissingGlyphs(texts, fontName);
            if (!missing.isEmpty())
                BatchWarn(MissingGlyphsMessage(missing));
        }
        const int needed = WordsNeeded(card);
        if (words.Count() < needed) {
            BatchFail(QCoreApplication::translate("BatchPrint", "%1 has %2 words; %3 needs %4")
                     .arg(QFileInfo(options.ListFile).fileName())
                     .arg(words.Count())
                     .arg(CardName(card))
                     .arg(needed));
            return 1;
        }

        QtPrinters printers;
        const std::optional<int> chosen = BatchPrinter(printers, options, output);
        if (!chosen)
            return 1;
        const int printerIndex = *chosen;

        // From here on a failure is the output's.
        try {
            return RunJobs(options, card, words, printers, printerIndex, fontName, fontSize);
        } catch (const PlatformError& error) {
            // A failure that names no file of its own is the output's.
            BatchFail(error.File().isEmpty() && !output.isEmpty() && options.ExportFolder.isEmpty()
                          ? output + QStringLiteral(": ") + error.Text()
                          : error.Text());
            return 1;
        }
    } catch (const PlatformError& error) {
        BatchFail(error.Text());
        return 1;
    }
}

namespace {

int RunJobs(const BatchOptions& options, CardOptions card, const WordList& words, QtPrinters& printers,
            int printerIndex, const QString& fontName, int fontSize)
{
    {
        int status = 0;
        int first = 1;
        // Every page is full, so a job prints its count rounded up to whole pages: all of them
        // are the game's cards.
        const int count = options.ExportFolder.isEmpty() ? PageCount(options.Cards, options.PerPage) * options.PerPage
                                                         : options.Cards;
        const std::optional<NumberedGame> game = BatchGameFor(options, words.Items(), card, count, first, status);
        if (status != 0)
            return status;
        PreparePrinter(printers, printerIndex, fontName, fontSize);
        if (!options.ExportFolder.isEmpty())
            return RunExport(options, card, words.Items(), game ? &*game : nullptr, first, fontName, fontSize);
        const DesignedLook look = ListLook(options.ListFile, words.Items());
        if (options.CallList)
            return RunCallListJob(printers, words.Items(), {},
                                  game ? QStringLiteral("Game ") + game->Code().Text() : QString(), look.Pictures.get())
                       ? 0
                       : 1;
        if (game) {
            CardJob job;
            job.Options = card;
            job.Look = look;
            job.Cards = options.Cards;
            job.PerPage = options.PerPage;
            job.GameCode = game->Code().Text();
            job.FirstCard = first;
            job.CheckSecret = GameHistory::SecretOf(job.GameCode);
            job.Language = GameHistory::LanguageOf(job.GameCode);
            job.SameTextSize = options.SameTextSize.value_or(SameTextSizeFlag.Read());
            if (job.SameTextSize)
                job.AllWords = words.Items();
            QStringList cells;
            int next = first - 1;
            TerminalProgress progress(!options.Quiet && ::isatty(STDERR_FILENO));
            const bool done = RunCardJob(printers, job, [&] { cells = game->Card(++next); }, cells,
                                         [&](int d, int total) { return progress.Step(d, total); });
            if (!done)
                return 1;
            BatchWarn(
                GameHistory::Add({job.GameCode, QFileInfo(options.ListFile).absoluteFilePath(), card, game->Planned()}));
            std::printf("Game code: %s\n", qUtf8Printable(job.GameCode));
            return 0;
        }

        std::unique_ptr<Clock> clock;
        if (options.Seed)
            clock = std::make_unique<SeededClock>(*options.Seed);
        else
            clock = std::make_unique<SteadyClock>();
        RandomSource random(*clock);
        CardJob job;
        job.Options = card;
        job.Look = look;
        job.Cards = options.Cards;
        job.PerPage = options.PerPage;
        job.SameTextSize = options.SameTextSize.value_or(SameTextSizeFlag.Read());
        if (job.SameTextSize)
            job.AllWords = words.Items();
        QStringList cells;
        CardArranger arranger(words.Items());
        TerminalProgress progress(!options.Quiet && ::isatty(STDERR_FILENO));
        const bool done = RunCardJob(
            printers, job, [&] { arranger.Arrange(card.FreeSpace, card.SizeIndex, random, cells); },
            cells, [&](int d, int total) { return progress.Step(d, total); });
        return done ? 0 : 1;
    }
}

} // namespace
