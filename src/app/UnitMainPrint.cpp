// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Printing cards and the call list.
#include "dialogs/JobProgressDialog.h"
#include "dialogs/PageSetupDialog.h"
#include "app/UnitMain.h"
#include "output/CardPrinting.h"
#include "output/PrintJob.h"
#include "game/NumberedGame.h"
#include "settings/SettingsFlag.h"
#include "records/GameHistory.h"
#include "settings/PaperSettings.h"
#include "platform/IntegerConversion.h"
#include "platform/MissingGlyphs.h"
#include "platform/PlatformError.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "settings/DialogFolders.h"
#include "words/CountText.h"

#include <QScopeGuard>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QAction>
#include <QSpinBox>
#include <optional>

// The printer box holds names. The system's list may change while the window is open (a
// printer added or taken away), so a job looks its printer up by name when it starts: a
// printer that has gone is said by name and nothing prints, never another one in its place.
int TFrmMain::ChosenPrinter()
{
    if (CboPrinters->currentIndex() < 0)
        return -1; // nothing chosen: the system's default printer
    const QString name = CboPrinters->currentText();
    const int index = static_cast<int>(Env.PrinterList.Names().indexOf(name));
    if (index >= 0)
        return index;
    RefreshPrinters();
    throw PlatformError(tr("The printer %1 is no longer there, so nothing was printed. Choose another "
                                       "printer in \"Printer To Use\"")
                            .arg(name));
}

void TFrmMain::RefreshPrinters()
{
    const QStringList names = Env.PrinterList.Names();
    QStringList shown;
    for (int i = 0; i < CboPrinters->count(); ++i)
        shown << CboPrinters->itemText(i);
    if (names == shown)
        return;
    // The printer chosen stays chosen; where it has gone, the default takes its place.
    const QString chosen = CboPrinters->currentText();
    const QSignalBlocker quiet(CboPrinters);
    CboPrinters->clear();
    CboPrinters->addItems(names);
    const qsizetype at = names.indexOf(chosen);
    CboPrinters->setCurrentIndex(at >= 0 ? static_cast<int>(at) : names.isEmpty() ? -1 : Env.PrinterList.DefaultIndex());
}

bool TFrmMain::CheckWordCount(bool exporting)
{
    const int needed = WordsNeeded(Options());
    if (WordList.Count() >= needed)
        return true;
    Env.Asks.Information(TooFewWordsMessage(needed, exporting));
    return false;
}

bool TFrmMain::ConfirmDrawable(const QString& question)
{
    // Never a silent box: words no installed font can draw are named before anything prints.
    QStringList texts = WordList.Items();
    if (ChkFreeSpace->isChecked())
        texts << TxtFreeSpace->text();
    if (ChkHeading->isChecked())
        texts << TxtHeading->text();
    const QStringList missing = WordsWithMissingGlyphs(texts, CardFontName);
    if (missing.isEmpty())
        return true;
    return Env.Asks.Question(MissingGlyphsMessage(missing) + QStringLiteral(". ") + question, false);
}

void TFrmMain::MnuFilePrintClick()
{
    if (TicketsOn()) {
        PrintStrips();
        return;
    }
    if (!CheckWordCount() || !ConfirmDrawable(tr("Print anyway?")))
        return;
    CardJob job;
    job.Options = Options();
    job.Cards = StrToInt(EdtCardNum->text());
    job.PerPage = StrToInt(CboCardsPerPage->currentText());
    job.SameTextSize = MnuSameTextSize->isChecked();
    if (job.SameTextSize)
        job.AllWords = WordList.Items();
    job.Look = Look;
    // A numbered job is a game: planned in full before anything prints.
    std::optional<NumberedGame> game;
    if (MnuNumberCards->isChecked()) {
        game.emplace(WordList.Items(), job.Options, GameHistory::NewCardSeed(WordList.Items(), job.Options));
        QString error;
        if (!game->Plan(PageCount(job.Cards, job.PerPage) * job.PerPage, error)) {
            const QString note = RoundedUpNote(job.Cards, job.PerPage);
            Env.Asks.Information(note.isEmpty() ? error : error + u' ' + note);
            return;
        }
        job.GameCode = game->Code().Text();
        job.CheckSecret = GameHistory::SecretOf(job.GameCode);
        job.Language = GameHistory::LanguageOf(job.GameCode);
    }
    Env.PrinterList.UsePaper(PaperSettings::Stored(CboPrinters->currentText()));
    PreparePrinter(Env.PrinterList, ChosenPrinter(), CardFontName, CardFontSize);
    JobProgressDialog progress(this, tr("Printing card %1 of %2"));
    auto step = [&progress](int done, int total) { return progress.Step(done, total); };
    if (!game) {
        CardArranger arranger(WordList.Items());
        auto arrange = [&] {
            ++ArrangeCount;
            arranger.Arrange(job.Options.FreeSpace, job.Options.SizeIndex, Random, CardCells);
        };
        const bool printed = RunCardJob(Env.PrinterList, job, arrange, CardCells, step);
        progress.Close();
        if (printed)
            Announce(tr("Printing done: %1").arg(CardCountText(PageCount(job.Cards, job.PerPage) * job.PerPage)));
        return;
    }
    QStringList cells;
    int next = 0;
    const bool printed = RunCardJob(Env.PrinterList, job, [&] { cells = game->Card(++next); }, cells, step);
    progress.Close(); // gone before the message, which hands the keyboard back to this window
    if (!printed)
        return;
    const QString note = GameHistory::Add({job.GameCode, CurrentFileName, job.Options, game->Planned()});
    Env.Asks.Information(tr("These cards belong to game %1. Keep the code to check a winning card.")
                             .arg(job.GameCode));
    if (!note.isEmpty())
        Env.Asks.Error(note);
}

std::optional<QString> TFrmMain::AskPdfFileName()
{
    // The dialog offers the list's name in the folder it last wrote to, and asks before it
    // replaces a file; the open list itself is never replaced by a PDF.
    FileDialogSpec dialog{tr("Save PDF"), QStringLiteral("PDF File (*.pdf)|*.pdf"), QStringLiteral(".pdf"),
                          DialogFolders::PdfSuggestion(CurrentFileName, PrintingCallList), {}};
    dialog.AskBeforeReplacing = true;
    for (;;) {
        const auto name = Env.Asks.SaveFileName(dialog);
        if (!name)
            return std::nullopt;
        if (CurrentFileName.isEmpty() || !TextFile::SameFile(*name, CurrentFileName)) {
            DialogFolders::RememberPdf(*name);
            return name;
        }
        Env.Asks.Information(tr("%1 is the word list that is open. Choose another name for the PDF file.")
                                 .arg(*name));
        dialog.FileName = DialogFolders::PdfSuggestion(CurrentFileName, PrintingCallList);
    }
}

void TFrmMain::MnuFilePrintListClick()
{
    if (!CheckWordCount() || !ConfirmDrawable(tr("Print anyway?")))
        return;
    Env.PrinterList.UsePaper(PaperSettings::Stored(CboPrinters->currentText()));
    PreparePrinter(Env.PrinterList, ChosenPrinter(), CardFontName, CardFontSize);
    JobProgressDialog progress(this, tr("Printing word %1 of %2"));
    PrintingCallList = true; // the PDF printer's file name is the call list's
    const auto done = qScopeGuard([this] { PrintingCallList = false; });
    // Tickets call their numbers in counting order, not the list's order of text.
    RunCallListJob(Env.PrinterList, TicketsOn() ? NinetyBall::Numbers() : WordList.Items(),
                   [&progress](int done, int total) { return progress.Step(done, total); }, CurrentGameHeading(),
                   TicketsOn() ? nullptr : Look.Pictures.get());
}

void TFrmMain::MnuFilePageSetupClick()
{
    const int index = ChosenPrinter();
    const QString printer = CboPrinters->currentText();
    const QStringList papers = Env.PrinterList.PaperNames(index);
    if (papers.isEmpty()) {
        Env.Asks.Information(tr("The printer %1 offers no paper sizes to choose from.").arg(printer));
        return;
    }
    const QString stored = PaperSettings::Stored(printer);
    PageSetupDialog dialog(this, printer, papers, stored.isEmpty() ? Env.PrinterList.DefaultPaper(index) : stored);
    if (dialog.exec() == QDialog::Accepted)
        PaperSettings::Store(printer, dialog.Paper());
}

void TFrmMain::MnuSameTextSizeClick()
{
    SameTextSizeFlag.Write(MnuSameTextSize->isChecked());
    Redraw();
}
