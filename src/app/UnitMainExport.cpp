// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Exporting cards, one file each, for players who are not in the room.
#include "app/CallerWindow.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/JobProgressDialog.h"
#include "app/UnitMain.h"
#include "output/CardExport.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "output/CardPrinting.h"
#include "words/CountText.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "output/QtPrinters.h"
#include "platform/Paths.h"
#include "settings/OwnPatterns.h"
#include "settings/DialogFolders.h"
#include "records/GameHistory.h"
#include "settings/PaperSettings.h"

#include <QAction>
#include <QFileInfo>
#include <QSpinBox>
#include <algorithm>
#include <memory>

QString TFrmMain::GameInPlay(const QList<GameRecord>& games) const
{
    // The game in the caller, else the newest printed of these.
    if (Caller && Caller->isVisible())
        for (const GameRecord& game : games)
            if (game.Code == Caller->Source().Code)
                return game.Code;
    return games.isEmpty() ? QString() : games.front().Code;
}

bool TFrmMain::ConfirmReplacing(const ExportJob& job)
{
    const QStringList existing = ExistingExportFiles(job);
    if (existing.isEmpty())
        return true;
    QString question = tr("%1 of these files are already in %2 (%3 ...). Replace them?")
                           .arg(existing.size())
                           .arg(job.Folder, existing.front());
    const auto links = std::count_if(existing.cbegin(), existing.cend(), [&](const QString& name) {
        return QFileInfo(JoinPath(job.Folder, name)).isSymLink();
    });
    if (links > 0)
        question += tr(" %1 of them are links: each link is replaced by its card, and the file it "
                                   "leads to is left as it is.")
                        .arg(links);
    return Env.Asks.Question(question, false);
}

int TFrmMain::RunExportJob(const ExportJob& job, const QString& progressFormat)
{
    // The progress box goes before any message.
    JobProgressDialog progress(this, progressFormat);
    return ExportCards(job, [&progress](int done, int total) { return progress.Step(done, total); });
}

void TFrmMain::MnuFileExportClick()
{
    if (TicketsOn()) {
        ExportStrips();
        return;
    }
    if (!CheckWordCount(true) || !ConfirmDrawable(tr("Export anyway?")))
        return;
    const QStringList words = WordList.Items();
    const bool numbered = MnuNumberCards->isChecked();
    const QList<GameRecord> games = numbered ? GameHistory::GamesOf(words, Options()) : QList<GameRecord>();
    ExportDialog dialog(this, Env.Asks, DialogFolders::ExportFolder(), EdtCardNum->value(), numbered ? &games : nullptr);
    dialog.OfferGame(GameInPlay(games));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExportJob job;
    job.Card.Options = Options();
    job.Card.Cards = dialog.Cards();
    job.Card.FirstCard = dialog.First();
    job.Card.SameTextSize = MnuSameTextSize->isChecked();
    if (job.Card.SameTextSize)
        job.Card.AllWords = words;
    job.Card.Look = Look;
    job.FontName = CardFontName;
    job.FontSize = CardFontSize;
    job.Paper = QtPrinters::PdfPaperNamed(PaperSettings::Stored(PdfPrinterName))
                    .value_or(QPageSize(QtPrinters::LocalePaper()));
    job.Folder = dialog.Folder();
    job.Format = dialog.Format();
    job.Title = CurrentFileName.isEmpty() ? QStringLiteral("Bingo") : QFileInfo(CurrentFileName).completeBaseName();
    job.OwnPatterns = OwnPatterns::Read();

    // A game printed before goes on with its own seed, from the cards its ledger says are
    // next at this moment (the phones or another program may have dealt some since the
    // dialog opened); otherwise a new game begins.
    std::shared_ptr<NumberedGame> game;
    QString listFile = CurrentFileName;
    QString note;
    if (numbered) {
        std::uint32_t seed = 0;
        if (const auto chosen = dialog.ChosenGame()) {
            seed = ParseGameCode(chosen->Code)->Seed;
            listFile = chosen->ListFile;
            const GameHistory::TakenCards taken = GameHistory::Take({chosen->Code, listFile, job.Card.Options, 0, false, {}},
                                                                    job.Card.Cards, job.Card.FirstCard, chosen->Cards);
            if (!taken.Recorded) {
                Env.Asks.Error(taken.Note); // nothing exported: the cards would be dealt again
                return;
            }
            job.Card.FirstCard = taken.First;
            note = taken.Note;
        } else {
            seed = GameHistory::NewCardSeed(words, job.Card.Options);
        }
        game = std::make_shared<NumberedGame>(words, job.Card.Options, seed);
        QString error;
        if (!game->Plan(job.Card.FirstCard + job.Card.Cards - 1, error)) {
            Env.Asks.Information(error);
            return;
        }
        job.Card.GameCode = game->Code().Text();
        job.Card.CheckSecret = GameHistory::SecretOf(job.Card.GameCode);
        job.Card.Language = GameHistory::LanguageOf(job.Card.GameCode);
        job.Cells = [game](int n) { return game->Card(n); };
    } else {
        job.Cells = ArrangedCells(words, job.Card.Options);
    }
    if (!ConfirmReplacing(job))
        return;
    const int written = RunExportJob(job, tr("Exporting card %1 of %2"));
    const int last = job.Card.FirstCard + written - 1;
    if (game && written > 0 && dialog.GameCode().isEmpty())
        note = GameHistory::Add({job.Card.GameCode, listFile, job.Card.Options, last, false, {}});
    QString message;
    if (written < job.Card.Cards)
        message = tr("Export cancelled: %1 of %2 written to %3.")
                      .arg(written)
                      .arg(CardCountText(job.Card.Cards), job.Folder);
    else if (game)
        message = tr("Cards %1 to %2 of game %3 were exported to %4.")
                      .arg(job.Card.FirstCard)
                      .arg(last)
                      .arg(job.Card.GameCode, job.Folder);
    else
        message = (written == 1 ? tr("1 card was exported to %2.") : tr("%1 cards were exported to %2."))
                      .arg(written)
                      .arg(job.Folder);
    Announce(message);
    Env.Asks.Information(message);
    if (!note.isEmpty())
        Env.Asks.Error(note);
}
