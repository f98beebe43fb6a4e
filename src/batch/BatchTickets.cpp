// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchTickets.h"
#include "batch/BatchMessages.h"
#include "batch/BatchOptions.h"
#include "batch/BatchOutput.h"
#include "output/CardPrinting.h"
#include "output/CardExport.h"
#include "output/PrintJob.h"
#include "output/TicketPrinting.h"
#include "game/GameCode.h"
#include "game/NinetyBall.h"
#include "game/NumberedGame.h"
#include "game/TicketCheck.h"
#include "platform/Clock.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "output/QtPrinters.h"
#include "platform/TextFile.h"
#include "settings/CardSettings.h"
#include "settings/DataFolders.h"
#include "records/GameHistory.h"
#include "words/WordListFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QTimeZone>
#include <cstdio>
#include <memory>

namespace {

QString Say(const char* text)
{
    return QCoreApplication::translate("BatchTickets", text);
}

// The game a ticket job prints or a check reads: its code, or nothing when the code is
// no ticket game's (after saying so).
std::optional<GameCode> TicketGameCode(const QString& typed)
{
    GameCodeError why = GameCodeError::None;
    const auto code = ParseGameCode(typed, &why);
    if (!code) {
        BatchFail(GameCodeErrorText(typed, why));
        return std::nullopt;
    }
    if (code->Shape != NinetyBall::TicketShape()) {
        BatchFail(Say(QT_TRANSLATE_NOOP("BatchTickets", "%1 is the code of a game of cards, not of tickets; leave out --tickets"))
                      .arg(code->Text()));
        return std::nullopt;
    }
    return code;
}

QString TicketAsText(const NinetyBall::Ticket& ticket, const std::vector<bool>& called)
{
    // As a card is written: a row a line, cells between tabs, a called number starred; a
    // blank is "-".
    QString text;
    for (const auto& row : ticket.Cells) {
        QStringList cells;
        for (const int n : row)
            cells << (n == 0 ? QStringLiteral("-") : QString::number(n) + (called[static_cast<size_t>(n)] ? QStringLiteral("*") : QString()));
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

int RunTicketCheck(const BatchOptions& options)
{
    const std::optional<QStringList> calls = TextFile::SameFile(options.CalledFile, QStringLiteral("/dev/null"))
                                                 ? std::optional<QStringList>(QStringList())
                                                 : ReadListOrSay(options.CalledFile);
    if (!calls)
        return 1;
    std::vector<bool> called(91, false);
    for (const QString& word : *calls) {
        bool ok = false;
        const int n = word.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > 90) {
            BatchFail(Say(QT_TRANSLATE_NOOP("BatchTickets", "%1: '%2' is not a number from 1 to 90")).arg(options.CalledFile, word));
            return 1;
        }
        called[static_cast<size_t>(n)] = true;
    }
    const auto code = ParseGameCode(*options.Check);
    const auto record = code ? GameHistory::Find(code->Text()) : std::nullopt;
    const NinetyBall::TicketPattern pattern = options.Pattern == QStringLiteral("full-house")  ? NinetyBall::TicketPattern::FullHouse
                                              : options.Pattern == QStringLiteral("two-lines") ? NinetyBall::TicketPattern::TwoLines
                                                                                               : NinetyBall::TicketPattern::OneLine;
    const TicketCheck check =
        CheckGameTicket(*options.Check, options.Strip, options.Ticket, record ? record->Cards : 0, called, pattern);
    if (!check.Error.isEmpty()) {
        BatchFail(check.Error);
        return 1;
    }
    std::printf("%s\n", qUtf8Printable(Say(QT_TRANSLATE_NOOP("BatchTickets", "Strip %1, ticket %2 of game %3"))
                                           .arg(check.Strip)
                                           .arg(check.Ticket)
                                           .arg(check.Code)));
    std::fputs(qUtf8Printable(TicketAsText(check.Shown, called)), stdout);
    std::printf("%s\n", qUtf8Printable(check.Result.Text));
    if (!check.Note.isEmpty())
        std::printf("%s\n", qUtf8Printable(check.Note));
    return check.Result.Won ? 0 : 4;
}

// --export: a file a ticket in a folder, never over a file that is there.
int ExportTickets(const BatchOptions& options, const QString& gameCode, NinetyBall::StripGame* game,
                  const NinetyBall::StripDealer& dealer, const QString& fontName, int fontSize)
{
    ExportJob job = BatchExportJob(options, fontName, fontSize);
    job.Card.Cards = options.Strips;
    job.Card.GameCode = gameCode;
    job.Card.Language = gameCode.isEmpty() ? QString() : GameHistory::LanguageOf(gameCode);
    if (game && options.More) {
        GameRecord record;
        record.Code = gameCode;
        record.Tickets = true;
        const GameHistory::TakenCards taken = GameHistory::Take(record, options.Strips);
        if (!taken.Recorded) {
            BatchFail(taken.Note); // stopped before a strip is written
            return 1;
        }
        BatchWarn(taken.Note);
        job.Card.FirstCard = taken.First;
        game->Plan(taken.First + options.Strips - 1);
    }
    const std::optional<std::uint32_t> seed = options.Seed;
    if (game)
        job.Strips = [game](int n) { return game->At(n); };
    else // strip n as a print job with the seed deals it, whichever thread deals it
        job.Strips = [&dealer, seed](int n) {
            if (!seed)
                return dealer.Deal(SteadyClock().Counter());
            SeededClock clock(*seed);
            clock.Skip(static_cast<std::uint64_t>(n - 1));
            return dealer.Deal(clock.Counter());
        };
    const std::optional<int> done = WriteBatchExport(job, options.Quiet);
    if (!done)
        return 1;
    const int written = *done;
    if (game) {
        GameRecord record;
        record.Code = gameCode;
        record.Cards = job.Card.FirstCard + written - 1;
        record.Tickets = true;
        BatchWarn(GameHistory::Add(record));
        std::printf("Game code: %s\n", qUtf8Printable(gameCode));
    }
    return written == job.Card.Cards ? 0 : 1;
}

} // namespace

int RunTicketBatch(const BatchOptions& options)
{
    try {
        if (!options.ListFile.isEmpty()) {
            const std::optional<QStringList> read = ReadListOrSay(options.ListFile);
            if (!read)
                return 1;
            if (!NinetyBall::IsNinetyNumbers(*read)) {
                BatchFail(Say(QT_TRANSLATE_NOOP("BatchTickets", "%1 is not the numbers 1 to 90; tickets are always of those "
                                                                "numbers, so leave the list out"))
                              .arg(QFileInfo(options.ListFile).fileName()));
                return 1;
            }
        }
        if (options.Check)
            return RunTicketCheck(options);

        const ProfileFile settings(SettingsFilePath());
        const CardSettings::CardFont storedFont = CardSettings::ReadFont(settings);
        const QString fontName = options.FontName.value_or(storedFont.Name);
        const int fontSize = options.FontSize.value_or(storedFont.Size);
        const QString output =
            options.Printer.isEmpty()
                ? (!options.Output.isEmpty() ? options.Output
                   : options.ListFile.isEmpty() ? QStringLiteral("tickets.pdf")
                                                : QFileInfo(options.ListFile).completeBaseName() + QStringLiteral(".pdf"))
                : QString();

        std::optional<GameCode> code;
        if (options.Game) {
            code = TicketGameCode(*options.Game);
            if (!code)
                return 1;
        } else if (options.Numbered) {
            code = GameCode{GameHistory::NewTicketSeed(), NinetyBall::TicketShape()};
        }

        const NinetyBall::StripDealer& dealer = NinetyBall::Dealer();
        std::optional<NinetyBall::StripGame> game;
        if (code) {
            // Strips taken with --more are planned as far as the ledger says, when it says.
            game.emplace(dealer, code->Seed);
            game->Plan(options.ExportFolder.isEmpty() ? PageCount(options.Strips, options.PerPage) * options.PerPage
                                                      : options.Strips);
        }
        if (options.More && options.ExportFolder.isEmpty()) {
            BatchFail(Say(QT_TRANSLATE_NOOP("BatchTickets", "--more with --tickets exports the strips: give --export DIR")));
            return 1;
        }
        if (!options.ExportFolder.isEmpty())
            return ExportTickets(options, code ? code->Text() : QString(), game ? &*game : nullptr, dealer, fontName, fontSize);

        QtPrinters printers;
        const std::optional<int> chosen = BatchPrinter(printers, options, output);
        if (!chosen)
            return 1;
        const int printerIndex = *chosen;
        try {
            PreparePrinter(printers, printerIndex, fontName, fontSize, options.PerPage == 2 && !options.CallList);
            const QString heading = code ? QStringLiteral("Game ") + code->Text() : QString();
            if (options.CallList)
                return RunCallListJob(printers, NinetyBall::Numbers(), {}, heading) ? 0 : 1;

            StripJob job;
            job.Strips = options.Strips;
            job.PerPage = options.PerPage;
            std::function<NinetyBall::Strip(int)> strip;
            std::unique_ptr<Clock> clock;
            if (code) {
                job.GameCode = code->Text();
                job.Language = GameHistory::LanguageOf(job.GameCode);
                strip = [&game](int n) { return game->At(n); };
            } else {
                if (options.Seed)
                    clock = std::make_unique<SeededClock>(*options.Seed);
                else
                    clock = std::make_unique<SteadyClock>();
                strip = [&](int) { return dealer.Deal(clock->Counter()); };
            }
            if (!RunStripJob(printers, job, strip, {}))
                return 1;
            if (code) {
                GameRecord record;
                record.Code = job.GameCode;
                record.Cards = game->Planned();
                record.Tickets = true;
                BatchWarn(GameHistory::Add(record));
                std::printf("Game code: %s\n", qUtf8Printable(job.GameCode));
            }
            return 0;
        } catch (const PlatformError& error) {
            BatchFail(error.File().isEmpty() && !output.isEmpty() ? output + QStringLiteral(": ") + error.Text()
                                                                  : error.Text());
            return 1;
        }
    } catch (const PlatformError& error) {
        BatchFail(error.Text());
        return 1;
    }
}
