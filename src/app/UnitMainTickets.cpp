// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// 90-ball tickets: the option, the sample strip and printing strips.
#include "dialogs/ExportDialog.h"
#include "dialogs/JobProgressDialog.h"
#include "widgets/PaintBox.h"
#include "app/UnitMain.h"
#include "output/CardPrinting.h"
#include "output/TicketPrinting.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "platform/Clock.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "output/QtPrinters.h"
#include "settings/DialogFolders.h"
#include "records/GameHistory.h"
#include "settings/PaperSettings.h"
#include "settings/SettingsFlag.h"
#include "words/CountText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <memory>

bool TFrmMain::TicketsOn() const
{
    return MnuTickets->isChecked();
}

void TFrmMain::MnuTicketsClick()
{
    const bool on = MnuTickets->isChecked();
    // The numbers 1 to 90 take the list's place: its changes are offered for saving first.
    if (on) {
        if (!SavePrompt()) {
            MnuTickets->setChecked(false);
            return;
        }
        // Kept to come back when cards do.
        Doc.KeepForTickets();
    }
    ShowTickets(on);
    TicketsFlag.Write(on);
    if (!on) {
        // Cards come back with the list they left, not with the numbers 1 to 90 (none when
        // the program started with tickets).
        Doc.BackFromTickets();
        ClearWordBox();
        ArrangeCard();
        Redraw();
    }
}

void TFrmMain::ShowTickets(bool on)
{
    // A ticket's numbers are always 1 to 90 on a fixed grid: the list and the card's
    // options rest until cards come back.
    const QList<QWidget*> options{CboCardStr, BtnAdd, BtnDelete, CboCardSize, ChkFreeSpace, ChkHeading, ChkWordWrap};
    // The focus on one of them goes straight to the count of strips, the next thing to set,
    // rather than from control to control as each rests: a screen reader busy with all of
    // those focus changes on a slow machine drops the announcement below.
    if (QWidget* focus = focusWidget(); on && focus)
        for (QWidget* control : options + QList<QWidget*>{TxtFreeSpace, TxtHeading})
            if (control == focus || control->isAncestorOf(focus)) {
                EdtCardNum->setFocus(Qt::OtherFocusReason);
                break;
            }
    for (QWidget* control : options)
        control->setEnabled(!on);
    TxtFreeSpace->setEnabled(!on && ChkFreeSpace->isChecked());
    TxtHeading->setEnabled(!on && ChkHeading->isChecked());
    for (QAction* command : {MnuFileEditWords, MnuSameTextSize})
        command->setEnabled(!on);
    Label2->setText(on ? tr("Sample Strip:") : tr("Sample Card:"));
    PB->setAccessibleName(on ? tr("Sample strip") : QCoreApplication::translate("PaintBox", "Sample card"));
    LblCardNum->setText(on ? tr("Number of Strips: ") : tr("Number of Bingo Card: "));
    LblCardsPerPage->setText(on ? tr("Strips Per Page: ") : tr("Bingo Cards Per Page: "));
    for (QLabel* label : {Label2, LblCardNum, LblCardsPerPage})
        label->adjustSize(); // the form is already at its scale
    EdtCardNum->setMaximum(on ? NinetyBall::MaxStrips : 99999);
    const QString count = on ? tr("Number of strips") : tr("Number of bingo cards");
    EdtCardNum->setAccessibleName(count);
    if (auto* edit = EdtCardNum->findChild<QLineEdit*>())
        edit->setAccessibleName(count);
    {
        const QSignalBlocker quiet(CboCardsPerPage);
        const QString perPage = CboCardsPerPage->currentText();
        CboCardsPerPage->clear();
        CboCardsPerPage->addItems(on ? QStringList{QStringLiteral("1"), QStringLiteral("2")}
                                     : QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
        CboCardsPerPage->setCurrentIndex(std::max(0, CboCardsPerPage->findText(perPage)));
        CboCardsPerPage->setAccessibleName(on ? tr("Strips per page") : tr("Bingo cards per page"));
        CboCardsPerPage->setToolTip(on ? tr("2: two strips side by side on a landscape page") : QString());
    }
    if (on) {
        WordList.Clear();
        WordList.InsertMany(NinetyBall::Numbers());
        ClearWordBox();
        CurrentFileName.clear();
        ListModified = false;
    }
    ArrangeCard();
    Redraw();
    Announce(on ? tr("90-ball tickets: strips of six tickets of the numbers 1 to 90") : tr("Bingo cards"));
}

void TFrmMain::DealSampleStrip()
{
    SampleStrip = NinetyBall::Dealer().Deal(Env.SeedClock.Counter());
}

void TFrmMain::PrintStrips()
{
    StripJob job;
    job.Look = Look; // the design's title, colours and footer (a strip has no pictures)
    job.Look.Pictures.reset();
    job.Strips = EdtCardNum->value();
    job.PerPage = CboCardsPerPage->currentText() == QStringLiteral("2") ? 2 : 1;
    // A numbered job is a game: its strips are worked out before anything prints.
    std::optional<NinetyBall::StripGame> game;
    if (MnuNumberCards->isChecked()) {
        const GameCode code{GameHistory::NewTicketSeed(), NinetyBall::TicketShape()};
        job.GameCode = code.Text();
        job.Language = GameHistory::LanguageOf(job.GameCode);
        game.emplace(NinetyBall::Dealer(), code.Seed);
        game->Plan(PageCount(job.Strips, job.PerPage) * job.PerPage);
    }
    Env.PrinterList.UsePaper(PaperSettings::Stored(CboPrinters->currentText()));
    PreparePrinter(Env.PrinterList, ChosenPrinter(), CardFontName, CardFontSize, job.PerPage == 2);
    JobProgressDialog progress(this, tr("Printing strip %1 of %2"));
    const auto strip = [&](int n) {
        return game ? game->At(n) : NinetyBall::Dealer().Deal(Env.SeedClock.Counter());
    };
    const bool finished =
        RunStripJob(Env.PrinterList, job, strip, [&progress](int done, int total) { return progress.Step(done, total); });
    progress.Close(); // gone before the message
    if (!finished)
        return;
    const int printed = PageCount(job.Strips, job.PerPage) * job.PerPage;
    if (!game) {
        // The strips asked for, and why the last page holds one more.
        const QString note = RoundedUpNote(job.Strips, job.PerPage, true);
        Announce(tr("Printing done: %1").arg(StripCountText(printed)) + (note.isEmpty() ? QString() : u' ' + note));
        return;
    }
    GameRecord record;
    record.Code = job.GameCode;
    record.Cards = printed;
    record.Tickets = true;
    const QString note = GameHistory::Add(record);
    Env.Asks.Information(tr("These tickets belong to game %1. Keep the code to check a winning ticket.").arg(job.GameCode));
    if (!note.isEmpty())
        Env.Asks.Error(note);
}

void TFrmMain::ExportStrips()
{
    const bool numbered = MnuNumberCards->isChecked();
    QList<GameRecord> games;
    for (const GameRecord& game : GameHistory::Read())
        if (game.Tickets)
            games << game;
    ExportDialog dialog(this, Env.Asks, DialogFolders::ExportFolder(), EdtCardNum->value(), numbered ? &games : nullptr,
                        true);
    dialog.OfferGame(GameInPlay(games));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExportJob job;
    job.Card.Look = Look;
    job.Card.Look.Pictures.reset();
    job.Card.Cards = dialog.Cards();
    job.Card.FirstCard = dialog.First();
    job.FontName = CardFontName;
    job.FontSize = CardFontSize;
    job.Paper = QtPrinters::PdfPaperNamed(PaperSettings::Stored(PdfPrinterName)).value_or(QPageSize(QtPrinters::LocalePaper()));
    job.Folder = dialog.Folder();
    job.Format = dialog.Format();
    job.Title = QStringLiteral("Bingo");
    // A game exported before goes on with its own seed; otherwise a new game begins.
    std::shared_ptr<NinetyBall::StripGame> game;
    QString note;
    if (numbered) {
        const QString chosen = dialog.GameCode();
        const GameCode code{chosen.isEmpty() ? GameHistory::NewTicketSeed() : ParseGameCode(chosen)->Seed,
                            NinetyBall::TicketShape()};
        if (!chosen.isEmpty()) {
            // The strips the ledger says are next now, as for cards.
            GameRecord record;
            record.Code = chosen;
            record.Tickets = true;
            const GameHistory::TakenCards taken =
                GameHistory::Take(record, job.Card.Cards, job.Card.FirstCard, dialog.ChosenGame()->Cards);
            if (!taken.Recorded) {
                Env.Asks.Error(taken.Note); // nothing exported: the strips would be dealt again
                return;
            }
            job.Card.FirstCard = taken.First;
            note = taken.Note;
        }
        game = std::make_shared<NinetyBall::StripGame>(NinetyBall::Dealer(), code.Seed);
        game->Plan(job.Card.FirstCard + job.Card.Cards - 1);
        job.Card.GameCode = code.Text();
        job.Card.Language = GameHistory::LanguageOf(job.Card.GameCode);
        job.Strips = [game](int n) { return game->At(n); };
    } else {
        job.Strips = [](int) { return NinetyBall::Dealer().Deal(SteadyClock().Counter()); };
    }
    if (!ConfirmReplacing(job))
        return;
    const int written = RunExportJob(job, tr("Exporting strip %1 of %2"));
    const int last = job.Card.FirstCard + written - 1;
    if (game && written > 0 && dialog.GameCode().isEmpty()) {
        GameRecord record;
        record.Code = job.Card.GameCode;
        record.Cards = last;
        record.Tickets = true;
        note = GameHistory::Add(record);
    }
    const QString message =
        written < job.Card.Cards ? tr("Export cancelled: %1 of %2 written to %3.").arg(written).arg(StripCountText(job.Card.Cards), job.Folder)
        : game ? tr("Strips %1 to %2 of game %3 were exported to %4, a file a ticket.")
                     .arg(job.Card.FirstCard)
                     .arg(last)
                     .arg(job.Card.GameCode, job.Folder)
               : tr("%1 were exported to %2, a file a ticket.").arg(StripCountText(written), job.Folder);
    Announce(message);
    Env.Asks.Information(message);
    if (!note.isEmpty())
        Env.Asks.Error(note);
}
