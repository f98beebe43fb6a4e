// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Page Setup per printer, "Same Text Size" on the sample card, and Export Cards from the window.
#include "dialogs/ExportDialog.h"
#include "dialogs/PageSetupDialog.h"
#include "output/CardExport.h"
#include "settings/DialogFolders.h"
#include "records/GameHistory.h"
#include "support/MainWindowFixture.h"
#include "support/Words.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTimer>
#include <atomic>
#include <thread>

TEST_F(MainWindowTest, PageSetupIsRememberedPerPrinter)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(NumberWords(1, 75));
    // The laser printer offers its own sizes, starting at its default.
    QStringList offered;
    QString start;
    WhenOpen<PageSetupDialog>([&](PageSetupDialog* d) {
        for (int i = 0; i < d->CboPaper->count(); ++i)
            offered << d->CboPaper->itemText(i);
        start = d->CboPaper->currentText();
        d->CboPaper->setCurrentText("Legal");
        d->accept();
    });
    w.MnuFilePageSetup->trigger();
    EXPECT_EQ(offered, (QStringList{"Letter", "Legal"}));
    EXPECT_EQ(start, "Letter");
    EXPECT_TRUE(Settings().contains("[Paper]\r\nLaser=Legal\r\n"));
    // The PDF printer keeps its own choice; cancelled, nothing is stored.
    w.CboPrinters->setCurrentIndex(1);
    WhenOpen<PageSetupDialog>([&](PageSetupDialog* d) {
        start = d->CboPaper->currentText();
        d->reject();
    });
    w.MnuFilePageSetup->trigger();
    EXPECT_EQ(start, "A4");
    EXPECT_FALSE(Settings().contains("Print to PDF="));
    // Printing uses the stored paper of the printer chosen.
    w.CboPrinters->setCurrentIndex(0);
    Printer.Calls.clear();
    w.MnuFilePrint->trigger();
    EXPECT_EQ(Printer.Calls.front(), "paper Legal");
}

TEST_F(MainWindowTest, SameTextSizeOnTheSampleCard)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany({"I", "Hippopotamus", "Giraffe", "A rather long phrase", "W", "Ox", "Elephant", "Rhinoceros",
                           "Zebra", "Okapi"});
    w.CboCardSize->setCurrentIndex(0);
    w.ChkFreeSpace->setChecked(false);
    w.ChkHeading->setChecked(false);
    w.MnuSameTextSize->trigger();
    EXPECT_TRUE(Settings().contains("[Look]\r\nSameTextSize=1\r\n"));
    // Every word cell on the recording surface: one size for all.
    RecordingSurface surface;
    w.PBPaint(surface);
    QSet<int> sizes;
    for (const auto& t : surface.Texts)
        sizes << t.Size;
    EXPECT_EQ(sizes.size(), 1) << surface.Texts.size();
    w.MnuSameTextSize->trigger();
    RecordingSurface alone;
    w.PBPaint(alone);
    QSet<int> each;
    for (const auto& t : alone.Texts)
        each << t.Size;
    EXPECT_GT(each.size(), 1);
}

TEST_F(MainWindowTest, ExportAsksOnceBeforeReplacingAndSaysWhatItWrote)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(NumberWords(1, 75));
    const QString folder = Home.Folder.Path("export");
    QDir().mkpath(folder);
    Home.Folder.Write("export/card-0002.png", "old");
    auto fill = [&](int cards, bool pdf) {
        WhenOpen<ExportDialog>([=](ExportDialog* d) {
            d->TxtFolder->setText(folder);
            d->EdtCards->setValue(cards);
            d->CboFormat->setCurrentIndex(pdf ? 1 : 0);
            d->accept();
        });
    };
    // No: nothing is written.
    fill(3, false);
    Asks.ExpectQuestion("1 of these files are already in " + folder + " (card-0002.png ...). Replace them?", false);
    w.MnuFileExport->trigger();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"card-0002.png"});
    EXPECT_EQ(Home.Folder.Read("export/card-0002.png"), "old");
    // Yes: all three, and a message says so.
    fill(3, false);
    Asks.ExpectQuestion("1 of these files are already in " + folder + " (card-0002.png ...). Replace them?", true);
    Asks.ExpectInformation("3 cards were exported to " + folder + ".");
    w.MnuFileExport->trigger();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"card-0001.png", "card-0002.png", "card-0003.png"}));
    EXPECT_NE(Home.Folder.Read("export/card-0002.png"), "old");
    EXPECT_TRUE(Asks.QuestionDefaults.back() == false);

    // A link at a card's name, to a file outside or to nothing: the question says so, and
    // the link is replaced while what it leads to stays as it was.
    Home.Folder.Write("precious.txt", "keep me");
    QFile::remove(folder + "/card-0001.png");
    QFile::remove(folder + "/card-0002.png");
    ASSERT_TRUE(QFile::link(Home.Folder.Path("precious.txt"), folder + "/card-0001.png"));
    ASSERT_TRUE(QFile::link(Home.Folder.Path("nowhere/x.png"), folder + "/card-0002.png"));
    fill(3, false);
    Asks.ExpectQuestion("3 of these files are already in " + folder +
                            " (card-0001.png ...). Replace them? 2 of them are links: each link is replaced by its "
                            "card, and the file it leads to is left as it is.",
                        true);
    Asks.ExpectInformation("3 cards were exported to " + folder + ".");
    w.MnuFileExport->trigger();
    EXPECT_EQ(Home.Folder.Read("precious.txt"), "keep me");
    EXPECT_FALSE(QFileInfo::exists(Home.Folder.Path("nowhere")));
    EXPECT_FALSE(QFileInfo(folder + "/card-0001.png").isSymLink());
    EXPECT_TRUE(Home.Folder.Read("export/card-0001.png").startsWith("\x89PNG"));
}

// Cancelled part way: what is written stays, and the count says how much that is.
TEST(CardExport, CancelKeepsWhatWasWritten)
{
    TempFolder folder;
    ExportJob job;
    job.Card.Cards = 40;
    job.Folder = folder.Path();
    job.Dpi = 72;
    const QStringList numbers = NumberWords(1, 75);
    // Cards past the fifth wait for the cancel, so that it comes part way on any machine.
    std::atomic<bool> cancelled = false;
    job.Cells = [&](int n) {
        for (int waited = 0; n > 5 && !cancelled && waited < 5000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return numbers.mid(n % 10, 25);
    };
    const int written = ExportCards(job, [&](int done, int) {
        cancelled = done >= 3;
        return !cancelled;
    });
    const int files = static_cast<int>(QDir(folder.Path()).entryList(QDir::Files).size());
    EXPECT_EQ(written, files);
    EXPECT_GE(written, 3);
    EXPECT_LT(written, 40);
    EXPECT_EQ(ExportFileName(7, "", ExportFormat::Pdf), "card-0007.pdf");
    EXPECT_EQ(ExportFileName(17, "K7F2-9QXA", ExportFormat::Png), "K7F2-9QXA-card-0017.png");
}

TEST_F(MainWindowTest, ExportMakesItsFolderAndAddsToAPrintedGame)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(NumberWords(1, 10));
    Asks.ExpectInformation("Your bingo card needs 24 words at least, please add more words, then try to export it again.");
    w.MnuFileExport->trigger();
    w.WordList.InsertMany(NumberWords(11, 75));
    w.MnuNumberCards->setChecked(true);
    w.EdtCardNum->setValue(3);
    Asks.ExpectInformationMatching("^These cards belong to game \\S+\\.");
    w.MnuFilePrint->trigger();
    const QString code = Asks.Shown.back().section(' ', 5, 5).chopped(1);

    // A folder that is not there: No keeps the dialog open with what was typed; Yes makes it.
    const QString folder = Home.Folder.Path("home players/cards");
    bool stillOpen = false;
    WhenOpen<ExportDialog>([&](ExportDialog* d) {
        d->TxtFolder->setText(folder);
        ASSERT_NE(d->CboGame, nullptr);
        d->CboGame->setCurrentIndex(1); // the game just printed: it goes on at card 4
        EXPECT_EQ(d->EdtFirst->value(), 4);
        d->EdtCards->setValue(2);
        d->CboFormat->setCurrentIndex(1);
        d->accept();
        stillOpen = d->isVisible() && d->TxtFolder->text() == folder;
        d->accept();
    });
    Asks.ExpectQuestion("The folder " + folder + " does not exist. Create it?", false);
    Asks.ExpectQuestion("The folder " + folder + " does not exist. Create it?", true);
    Asks.ExpectInformation("Cards 4 to 5 of game " + code + " were exported to " + folder + ".");
    w.MnuFileExport->trigger();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{code + "-card-0004.pdf", code + "-card-0005.pdf"}));
    EXPECT_EQ(GameHistory::Find(code)->Cards, 5);
    // The PDF says which card it is; the folder is offered next time.
    QProcess info;
    info.start("pdfinfo", {folder + "/" + code + "-card-0005.pdf"});
    info.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("Card 5 \u00b7 Game " + code));
    EXPECT_EQ(DialogFolders::ExportFolder(), folder);
}

// The thread that asked for the export only reports progress, often; the cards are drawn on
// others, so a window waiting on it keeps answering.
TEST(CardExport, TheCallingThreadOnlyReports)
{
    TempFolder folder;
    ExportJob job;
    job.Card.Cards = 6;
    job.Card.FirstCard = 3;
    job.Folder = folder.Path();
    job.Dpi = 72;
    const QStringList numbers = NumberWords(1, 75);
    const auto caller = std::this_thread::get_id();
    std::atomic<bool> drawnHere{false};
    job.Cells = [&](int n) {
        drawnHere = drawnHere || std::this_thread::get_id() == caller;
        return numbers.mid(n % 10, 25);
    };
    int reports = 0;
    EXPECT_EQ(ExportCards(job, [&](int, int) { return ++reports > 0; }), 6);
    EXPECT_FALSE(drawnHere);
    EXPECT_GE(reports, 1);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files).size(), 6);
    EXPECT_TRUE(QFileInfo::exists(folder.Path("card-0008.png"))); // cards 3 to 8
}
