// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/MainWindowFixture.h"

TEST_F(MainWindowTest, StoredOptionsAreReadAtStartUp)
{
    WriteSettings("[Options]\r\nChkWordWrap=0\r\n");
    TFrmMain& w = Open();
    EXPECT_FALSE(w.ChkWordWrap->isChecked());
    // Free space, heading (true by default, unticked on the form) and word wrap changed.
    EXPECT_EQ(w.ArrangeCount, 3);
}

TEST_F(MainWindowTest, EveryKeyAndItsEncoding)
{
    WriteSettings("[options]\nFountName=DejaVu Sans\nFontSize=0x10\nChkFreeSpace=0\nTxtFreeSpace=\" Free \"\n"
                  "ChkHeading=2\nTxtHeading=BINGO!\nCardSize=7\n");
    TFrmMain& w = Open();
    EXPECT_EQ(w.CardFontName, "DejaVu Sans");
    EXPECT_EQ(w.CardFontSize, 16);
    EXPECT_FALSE(w.ChkFreeSpace->isChecked());
    EXPECT_FALSE(w.TxtFreeSpace->isEnabled());
    EXPECT_EQ(w.TxtFreeSpace->text(), " Free ");
    EXPECT_TRUE(w.ChkHeading->isChecked());
    EXPECT_EQ(w.TxtHeading->text(), "BINGO!");
    EXPECT_EQ(w.CboCardSize->currentIndex(), -1);
    w.close(); // no question: the list is unchanged
    const QByteArray stored = Settings();
    EXPECT_TRUE(stored.contains("CardSize=-1\r\n")) << stored.toStdString();
    EXPECT_TRUE(stored.contains("TxtFreeSpace=\" Free \"\r\n"));
    EXPECT_TRUE(stored.contains("ChkHeading=1\r\n"));
    EXPECT_TRUE(stored.contains("FontSize=0x10\n")); // font keys are not written at close
}

TEST_F(MainWindowTest, EmptyFontSizeReadsAsTwenty)
{
    WriteSettings("[Options]\r\nFontSize=\r\n");
    EXPECT_EQ(Open().CardFontSize, 20);
}

TEST_F(MainWindowTest, OptionsAreWrittenBeforeTheSaveQuestionWhateverTheAnswer)
{
    for (bool yes : {false, true}) {
        TFrmMain& w = Open();
        AddWord("word");
        w.CboCardSize->setCurrentIndex(0);
        w.ChkHeading->setChecked(false);
        w.CurrentFileName = Home.Folder.Path("list.pwk");
        Asks.ExpectQuestion("Do you want to save current bingo card?", yes);
        w.close();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(Settings(), "[Options]\r\nCardSize=0\r\nChkFreeSpace=1\r\nTxtFreeSpace=Free Space\r\n"
                              "ChkHeading=0\r\nTxtHeading=BINGO\r\nChkWordWrap=1\r\n");
        EXPECT_EQ(Home.Folder.Read("list.pwk"), yes ? QByteArray("word\r\n") : QByteArray("<missing>"));
        EXPECT_FALSE(w.ListModified);
        Window.reset();
        QFile::remove(Home.Folder.Path("Plumwick/Options.ini"));
    }
}

TEST_F(MainWindowTest, UnwritableSettingsStillLetTheWindowClose)
{
    TFrmMain& w = Open();
    AddWord("word");
    // The per-user folder is gone: the error box, then the save question, then close.
    QDir(Home.DataFolder()).removeRecursively();
    Asks.ExpectError("Unable to write to " + Home.DataFolder() + "/Options.ini");
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    QCloseEvent close;
    QApplication::sendEvent(&w, &close);
    EXPECT_TRUE(close.isAccepted());
}

TEST_F(MainWindowTest, AFailedSaveAtCloseKeepsTheWindowOpen)
{
    TFrmMain& w = Open();
    AddWord("word");
    w.CurrentFileName = Home.Folder.Path("missing/list.pwk");
    Asks.ExpectQuestion("Do you want to save current bingo card?", true);
    Asks.ExpectError(Home.Folder.Path("missing/list.pwk") + ": Invalid filename");
    QCloseEvent close;
    QApplication::sendEvent(&w, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(w.ListModified);
}
