// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Options > 90-Ball Tickets in the main window: the list's changes offered for saving, the
// numbers 1 to 90 and a valid sample strip, strips printed and numbered as a game, the
// choice remembered in a section of its own, and a word list opened going back to cards.
#include "support/MainWindowFixture.h"
#include "dialogs/ExportDialog.h"
#include "widgets/PaintBox.h"
#include "game/GameCode.h"
#include "records/GameHistory.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QComboBox>
#include <QSpinBox>
#include <QLabel>
#include <QPushButton>

TEST_F(MainWindowTest, TicketsTakeTheListsPlaceAfterOfferingToSaveIt)
{
    TFrmMain& w = Open();
    AddWords({"alpha", "beta"});
    ASSERT_TRUE(w.ListModified);
    w.CboCardSize->setFocus();
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    w.MnuTickets->trigger();
    // The focus on a control that rests goes straight to the count of strips.
    EXPECT_TRUE(w.focusWidget() == w.EdtCardNum || w.EdtCardNum->isAncestorOf(w.focusWidget()));
    EXPECT_TRUE(NinetyBall::IsNinetyNumbers(w.WordList.Items()));
    EXPECT_FALSE(w.ListModified);
    EXPECT_TRUE(NinetyBall::IsValidStrip(w.SampleStrip));
    EXPECT_FALSE(w.BtnAdd->isEnabled());
    EXPECT_FALSE(w.CboCardSize->isEnabled());
    EXPECT_FALSE(w.MnuFileEditWords->isEnabled());
    EXPECT_EQ(w.CboCardsPerPage->count(), 2);
    EXPECT_EQ(w.LblCardsPerPage->text(), "Strips Per Page: ");
    EXPECT_TRUE(w.PB->accessibleDescription().startsWith("Ticket 1. Row 1: ")) << w.PB->accessibleDescription().toStdString();
    // Its own section; the eight keys of "Options" untouched.
    EXPECT_TRUE(Settings().contains("[Tickets]\r\nPlay=1")) << Settings().toStdString();

    // Back to cards: every control as it was, and the list that was there, still unsaved.
    w.MnuTickets->trigger();
    EXPECT_TRUE(w.BtnAdd->isEnabled());
    EXPECT_EQ(w.CboCardsPerPage->count(), 3);
    EXPECT_EQ(w.LblCardNum->text(), "Number of Bingo Card: ");
    EXPECT_EQ(w.WordList.Items(), (QStringList{"alpha", "beta"}));
    EXPECT_TRUE(w.ListModified);
    EXPECT_TRUE(Settings().contains("[Tickets]\r\nPlay=0"));
    // Started with tickets, the program has no list to bring back: cards start empty.
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    w.MnuTickets->trigger();
    Window.reset();
    TFrmMain& again = Open();
    ASSERT_TRUE(again.TicketsOn());
    again.MnuTickets->trigger();
    EXPECT_EQ(again.WordList.Count(), 0);
}

TEST_F(MainWindowTest, PrintMakesStripsAndANumberedJobIsAGame)
{
    WriteSettings("[Tickets]\r\nPlay=1\r\n[Game]\r\nNumberCards=1\r\n");
    TFrmMain& w = Open();
    ASSERT_TRUE(w.TicketsOn());
    EXPECT_TRUE(NinetyBall::IsNinetyNumbers(w.WordList.Items()));
    w.CboPrinters->setCurrentIndex(1);
    w.EdtCardNum->setValue(3);
    w.CboCardsPerPage->setCurrentIndex(1); // two a page, side by side
    Asks.ExpectInformationMatching("These tickets belong to game [0-9A-Z]{4}-[0-9A-Z]{4}\\. .*");
    w.MnuFilePrint->trigger();
    EXPECT_EQ(Printer.Calls, (QStringList{"landscape", "current 1", "title Plumwick", "begin", "page", "end"}));
    EXPECT_EQ(Printer.Paper.Shaded.size(), 4u * 6u * 12u);
    const QList<GameRecord> games = GameHistory::Read();
    ASSERT_EQ(games.size(), 1);
    EXPECT_TRUE(games[0].Tickets);
    EXPECT_EQ(games[0].Cards, 4);
    int lines = 0;
    for (const auto& t : Printer.Paper.Texts)
        lines += t.Str.contains("\u00b7 Game " + games[0].Code);
    EXPECT_EQ(lines, 24);

    // Cards again print upright.
    Printer.Calls.clear();
    Asks.ExpectInformationMatching("These cards belong to game .*");
    w.MnuTickets->trigger();
    for (int n = 1; n <= 24; ++n)
        AddWord(QString::number(n));
    w.MnuFilePrint->trigger();
    EXPECT_FALSE(Printer.Calls.contains("landscape"));
}

TEST_F(MainWindowTest, OpeningAWordListLeavesTheTickets)
{
    Home.Folder.Write("pets.pwk", "cat\r\ndog\r\n");
    WriteSettings("[Tickets]\r\nPlay=1\r\n");
    TFrmMain& w = Open();
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("pets.pwk")); });
    EXPECT_FALSE(w.TicketsOn());
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "dog"}));
    EXPECT_TRUE(w.BtnAdd->isEnabled());
    EXPECT_TRUE(Settings().contains("Play=0"));
}

TEST_F(MainWindowTest, ExportInTicketsGoesOnWithATicketGame)
{
    WriteSettings("[Tickets]\r\nPlay=1\r\n[Game]\r\nNumberCards=1\r\n");
    TFrmMain& w = Open();
    GameRecord printed;
    printed.Code = GameCode{321, NinetyBall::TicketShape()}.Text();
    printed.Cards = 2;
    printed.Tickets = true;
    ASSERT_EQ(GameHistory::Add(printed), "");
    const QString folder = Home.Folder.Path("export");
    QDir().mkpath(folder);
    WhenOpen<ExportDialog>([&](ExportDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Export Tickets");
        ASSERT_NE(d->CboGame, nullptr);
        d->TxtFolder->setText(folder);
        d->CboGame->setCurrentIndex(1); // the game printed: it goes on at strip 3
        EXPECT_EQ(d->EdtFirst->value(), 3);
        d->EdtCards->setValue(1);
        d->CboFormat->setCurrentIndex(2);
        d->accept();
    });
    Asks.ExpectInformation("Strips 3 to 3 of game " + printed.Code + " were exported to " + folder + ", a file a ticket.");
    w.MnuFileExport->trigger();
    QStringList expected;
    for (int t = 1; t <= 6; ++t)
        expected << QString("%1-strip-0003-ticket-%2.html").arg(printed.Code).arg(t);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), expected);
    EXPECT_TRUE(Home.Folder.Read("export/" + expected[2]).contains(("Strip 3 \u00b7 Ticket 3 \u00b7 Game " + printed.Code).toUtf8()));
    EXPECT_EQ(GameHistory::Find(printed.Code)->Cards, 3);
}
