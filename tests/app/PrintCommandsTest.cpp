// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/MainWindowFixture.h"
#include "support/Words.h"

#include <QLabel>

namespace {
QStringList Numbers(int count)
{
    return NumberWords(1, count);
}
} // namespace

TEST_F(MainWindowTest, TooFewWordsBeginNoJob)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(Numbers(23));
    Asks.ExpectInformation("Your bingo card needs 24 words at least, please add more words, then try to print it again.");
    w.MnuFilePrint->trigger();
    EXPECT_TRUE(Printer.Calls.isEmpty());

    // 3 x 3, heading on, free space off, 8 words: 9 needed, for the call list too.
    w.WordList.Clear();
    w.WordList.InsertMany(Numbers(8));
    w.CboCardSize->setCurrentIndex(0);
    w.ChkFreeSpace->setChecked(false);
    Asks.ExpectInformation("Your bingo card needs 9 words at least, please add more words, then try to print it again.");
    w.MnuFilePrintList->trigger();
    EXPECT_TRUE(Printer.Calls.isEmpty());
}

TEST_F(MainWindowTest, PrintUsesTheChosenPrinterCountAndLayout)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(Numbers(75));
    w.CboPrinters->setCurrentIndex(1);
    w.EdtCardNum->setValue(5);
    w.CboCardsPerPage->setCurrentIndex(1); // "2"
    const int arranged = w.ArrangeCount;
    w.MnuFilePrint->trigger();
    EXPECT_EQ(Printer.Calls, (QStringList{"current 1", "title Plumwick", "begin", "page", "page", "end"}));
    EXPECT_EQ(w.ArrangeCount - arranged, 6);
    EXPECT_EQ(Printer.Paper.Face, "Arial");
    EXPECT_EQ(w.CardCells.size(), 75); // the last card's arrangement stays
}

TEST_F(MainWindowTest, NoPrinterGivesThePlatformError)
{
    Printer.Refuse = true;
    TFrmMain& w = Open();
    w.WordList.InsertMany(Numbers(30));
    Asks.ExpectError("There is no default printer currently selected");
    w.MnuFilePrint->trigger();
    Asks.ExpectError("There is no default printer currently selected");
    w.MnuFilePrintList->trigger();
}

TEST_F(MainWindowTest, CallListPrintsEveryWordInListOrder)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany({"b", "a", "c", "a"});
    w.CboCardSize->setCurrentIndex(0);
    w.ChkFreeSpace->setChecked(false);
    w.WordList.InsertMany(Numbers(5));
    w.MnuFilePrintList->trigger();
    QStringList printed;
    for (const auto& t : Printer.Paper.Texts)
        printed << t.Str;
    EXPECT_EQ(printed, w.WordList.Items());
    EXPECT_EQ(Printer.Calls.count("page"), 0);
}

TEST_F(MainWindowTest, ThePdfNeverReplacesTheOpenList)
{
    Home.Folder.Write("pets.pwk", "cat\r\ndog\r\n");
    TFrmMain& w = Open();
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("pets.pwk")); });
    ASSERT_TRUE(QFile::link(Home.Folder.Path("pets.pwk"), Home.Folder.Path("alias.pdf")));
    // The list, or a link to it, is refused and the dialog comes back; another name is taken.
    for (const QString& chosen : {Home.Folder.Path("pets.pwk"), Home.Folder.Path("alias.pdf")}) {
        Asks.ExpectSave(chosen, "Save PDF");
        Asks.ExpectInformation(chosen + " is the word list that is open. Choose another name for the PDF file.");
    }
    Asks.ExpectSave(Home.Folder.Path("pets.pdf"), "Save PDF");
    EXPECT_EQ(w.AskPdfFileName(), Home.Folder.Path("pets.pdf"));
    EXPECT_EQ(Home.Folder.Read("pets.pwk"), "cat\r\ndog\r\n");
    // The dialog asks before replacing whatever else is there.
    ASSERT_FALSE(Asks.Dialogs.empty());
    EXPECT_TRUE(Asks.Dialogs.back().AskBeforeReplacing);
    // Cancelled: no file.
    Asks.ExpectSave(std::nullopt, "Save PDF");
    EXPECT_EQ(w.AskPdfFileName(), std::nullopt);
}

TEST_F(MainWindowTest, PrintGoesToThePrinterChosenByName)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(Numbers(30));
    w.CboPrinters->setCurrentIndex(1); // Print to PDF
    // A printer added while the window is open moves the PDF printer down the list: the job
    // still goes to it, and the box shows the new printer once it is brought up to date.
    Printer.PrinterNames = {"Laser", "Inkjet", PdfPrinterName};
    w.MnuFilePrint->trigger();
    EXPECT_EQ(Printer.Calls.first(), "current 2");
    w.RefreshPrinters();
    EXPECT_EQ(w.CboPrinters->count(), 3);
    EXPECT_EQ(w.CboPrinters->currentText(), PdfPrinterName);
    // The chosen printer taken away: said by name, nothing printed, the box up to date.
    w.CboPrinters->setCurrentIndex(0); // Laser
    Printer.PrinterNames = {"Inkjet", PdfPrinterName};
    Printer.Calls.clear();
    const QString gone = "The printer Laser is no longer there, so nothing was printed. Choose another printer in "
                         "\"Printer To Use\"";
    Asks.ExpectError(gone);
    w.MnuFilePrint->trigger();
    EXPECT_TRUE(Printer.Calls.isEmpty());
    EXPECT_EQ(w.CboPrinters->count(), 2);
    EXPECT_EQ(w.CboPrinters->currentText(), "Inkjet"); // the default's place, in sight
    w.MnuFilePrintList->trigger();
    EXPECT_EQ(Printer.Calls.first(), "current 0");
}

TEST_F(MainWindowTest, WordsNoFontCanDrawAreNamedBeforePrinting)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(Numbers(23));
    const QString boxed = QString(QChar(0xE000)) + "pua";
    w.WordList.Insert(boxed);
    w.ArrangeCard();
    w.UpdateWordCount();
    EXPECT_TRUE(w.LblWordCount->text().endsWith("\u26a0 1 word can't be drawn")) << w.LblWordCount->text().toStdString();
    const QString question = "These words contain characters that no installed font can draw, and would print with "
                             "empty boxes: \u201c" + boxed + "\u201d (U+E000). Print anyway?";
    // No, the default: nothing prints; Yes: the job goes on.
    Asks.ExpectQuestion(question, false);
    w.MnuFilePrint->trigger();
    EXPECT_TRUE(Printer.Calls.isEmpty());
    EXPECT_FALSE(Asks.QuestionDefaults.back());
    Asks.ExpectQuestion(question, true);
    w.MnuFilePrint->trigger();
    EXPECT_TRUE(Printer.Calls.contains("end"));
}
