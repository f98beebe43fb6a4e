// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Where one window meets another over an evening: the caller names the game it plays, Export
// and the PDF printer follow what is being played and printed, and small steps lose nothing.
#include "app/CallerWindow.h"
#include "dialogs/ExportDialog.h"
#include "settings/DialogFolders.h"
#include "records/GameHistory.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QSpinBox>

TEST_F(MainWindowTest, TheCallerNamesTheGameItPlaysAndExportOffersItFirst)
{
    WriteSettings("[Tickets]\r\nPlay=1\r\n[Game]\r\nNumberCards=1\r\n");
    TFrmMain& w = Open();
    w.MnuCallWords->trigger(); // the caller used once, before any game
    auto* caller = w.findChild<CallerWindow*>();
    ASSERT_NE(caller, nullptr);
    caller->hide();
    // A numbered 90-ball game printed while the program runs, then F5.
    w.CboPrinters->setCurrentIndex(1);
    w.EdtCardNum->setValue(4);
    Asks.ExpectInformationMatching("These tickets belong to game .*");
    w.MnuFilePrint->trigger();
    const QString code = GameHistory::Read().front().Code;
    w.MnuCallWords->trigger();
    const QString name = QStringLiteral("Game %1: 90-ball tickets (4 strips)").arg(code);
    EXPECT_EQ(caller->CboGame->currentText(), name);
    EXPECT_EQ(caller->CboGame->accessibleDescription(), name); // what a screen reader hears
    EXPECT_EQ(caller->Source().Code, code);

    // Export offers the game in the caller first, after its last strip; else the newest.
    const QList<GameRecord> games = {{QStringLiteral("OLDR-GAME"), {}, {}, 9, true}, GameHistory::Read().front()};
    EXPECT_EQ(w.GameInPlay(games), code);
    caller->hide();
    EXPECT_EQ(w.GameInPlay(games), QStringLiteral("OLDR-GAME"));
    ExportDialog dialog(&w, Asks, Home.Folder.Path(), 1, &games, true);
    dialog.OfferGame(code);
    EXPECT_EQ(dialog.GameCode(), code);
    EXPECT_EQ(dialog.CboGame->accessibleDescription(), dialog.CboGame->currentText()); // said by a screen reader
    EXPECT_EQ(dialog.First(), 5);
}

TEST_F(MainWindowTest, SmallStepsLoseNothing)
{
    TFrmMain& w = Open();
    // "Apple" and "apple" are one call: the second asks as an exact repeat does.
    AddWord("Apple");
    Asks.ExpectQuestion("The word 'apple' has already been added into the list, do you want to add it again?", false);
    AddWord("apple");
    EXPECT_EQ(w.WordList.Items(), QStringList{"Apple"});

    // The call list's PDF is offered under a name of its own, not over the cards' PDF.
    w.CurrentFileName = Home.Folder.Path("pets.pwk");
    w.PrintingCallList = true;
    Asks.ExpectSave(std::nullopt, "Save PDF");
    EXPECT_EQ(w.AskPdfFileName(), std::nullopt);
    EXPECT_TRUE(Asks.Dialogs.back().FileName.endsWith("/pets call list.pdf")) << Asks.Dialogs.back().FileName.toStdString();
    w.PrintingCallList = false;
    EXPECT_EQ(DialogFolders::PdfSuggestion(QString(), true).section(u'/', -1), QStringLiteral("Call List.pdf"));

    // Three strips at two a page: the fourth that fills the page is said to be one.
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    w.MnuTickets->trigger();
    w.EdtCardNum->setValue(3);
    w.CboCardsPerPage->setCurrentIndex(1);
    w.MnuFilePrint->trigger();
    EXPECT_EQ(w.LastAnnouncement(), "Printing done: 4 strips 3 strips at 2 a page print as 4, since every page is full.");
}
