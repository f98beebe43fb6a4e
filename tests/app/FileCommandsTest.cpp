// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/MainWindowFixture.h"

namespace {
const QString SaveQuestion = "Do you want to save current bingo card?";
}

TEST_F(MainWindowTest, SaveWritesTheSortedListByteForByte)
{
    TFrmMain& w = Open();
    const QString path = Home.Folder.Path("list.pwk");
    AddWords({"dog", " lead", "Gr\u00fc\u00dfe", "cat"});
    Asks.ExpectSave(path);
    w.MnuFileSave->trigger();
    EXPECT_EQ(Home.Folder.Read("list.pwk"), " lead\r\ncat\r\ndog\r\nGr\xc3\xbc\xc3\x9f""e\r\n");
    EXPECT_EQ(w.CurrentFileName, path);
    EXPECT_FALSE(w.ListModified);
    const FileDialogSpec& dialog = Asks.Dialogs.back();
    EXPECT_EQ(dialog.Filter, "Plumwick File (*.pwk)|*.pwk|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.DefaultExt, ".pwk");
    EXPECT_EQ(dialog.FileName, "");

    // Once the list belongs to a file, Save writes there without a dialog.
    AddWord("emu");
    w.MnuFileSave->trigger();
    EXPECT_TRUE(Home.Folder.Read("list.pwk").endsWith("emu\r\nGr\xc3\xbc\xc3\x9f""e\r\n"));
}

TEST_F(MainWindowTest, CancelledOrFailedSaveKeepsTheListModified)
{
    TFrmMain& w = Open();
    AddWord("word");
    Asks.ExpectSave(std::nullopt);
    w.MnuFileSave->trigger();
    EXPECT_TRUE(w.ListModified);
    EXPECT_TRUE(w.CurrentFileName.isEmpty());

    Asks.ExpectSave(Home.Folder.Path("no/folder.pwk"));
    Asks.ExpectError(Home.Folder.Path("no/folder.pwk") + ": Invalid filename");
    w.MnuFileSave->trigger();
    EXPECT_TRUE(w.ListModified);
    EXPECT_TRUE(w.CurrentFileName.isEmpty());
    // The dialog offers the name last chosen in it.
    EXPECT_EQ(Asks.Dialogs.back().FileName, "");

    // So closing still offers to save.
    Asks.ExpectQuestion(SaveQuestion, false);
    w.close();
}

TEST_F(MainWindowTest, EmptyListSavesAnEmptyFileAndOpensEmpty)
{
    TFrmMain& w = Open();
    const QString path = Home.Folder.Path("empty.pwk");
    Asks.ExpectSave(path);
    w.MnuFileSave->trigger();
    EXPECT_EQ(Home.Folder.Read("empty.pwk"), QByteArray());
    Asks.ExpectOpen(path);
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Count(), 0);
    EXPECT_EQ(w.CurrentFileName, path);
}

TEST_F(MainWindowTest, OpenReadsTheFileAndArranges)
{
    TFrmMain& w = Open();
    Home.Folder.Write("pets.pwk", "  dog\r\n\r\ncat\r\ncat\nbird");
    AddWord("old");
    w.ListModified = false;
    Asks.ExpectOpen(Home.Folder.Path("pets.pwk"));
    const int arranged = w.ArrangeCount;
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Items(), (QStringList{"bird", "cat", "cat", "dog"}));
    EXPECT_EQ(w.CardCells.size(), 4);
    EXPECT_EQ(w.ArrangeCount, arranged + 1);
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("pets.pwk"));
    EXPECT_FALSE(w.ListModified);
    EXPECT_EQ(Asks.Dialogs.back().Filter, "Plumwick File(*.pwk)|*.pwk|All Files (*.*)|*.*");
    EXPECT_EQ(Asks.Dialogs.back().DefaultExt, "");

    // Open, No, then Cancel: the list stays, not modified, same file.
    AddWord("fish");
    Asks.ExpectQuestion(SaveQuestion, false);
    Asks.ExpectOpen(std::nullopt);
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Count(), 5);
    EXPECT_FALSE(w.ListModified);
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("pets.pwk"));
    EXPECT_EQ(Asks.Dialogs.back().FileName, Home.Folder.Path("pets.pwk"));
}

TEST_F(MainWindowTest, OpeningAMissingFileLeavesAnEmptyList)
{
    TFrmMain& w = Open();
    AddWord("kept?");
    Asks.ExpectQuestion(SaveQuestion, false);
    Asks.ExpectOpen(Home.Folder.Path("nothing.pwk"));
    Asks.ExpectError(Home.Folder.Path("nothing.pwk") + ": File not found");
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Count(), 0);
    EXPECT_TRUE(w.CardCells.isEmpty());
    EXPECT_TRUE(w.CurrentFileName.isEmpty());
    EXPECT_FALSE(w.ListModified);

    Asks.ExpectOpen(Home.Folder.Path());
    Asks.ExpectError(Home.Folder.Path() + ": This is a folder, not a file");
    w.MnuFileOpen->trigger();
}

TEST_F(MainWindowTest, SaveFromTheQuestionDoesNotAdoptTheFile)
{
    TFrmMain& w = Open();
    Home.Folder.Write("other.pwk", "x\r\n");
    AddWord("word");
    Asks.ExpectQuestion(SaveQuestion, true);
    Asks.ExpectSave(Home.Folder.Path("prompted.pwk"));
    Asks.ExpectOpen(Home.Folder.Path("other.pwk"));
    w.MnuFileOpen->trigger();
    EXPECT_EQ(Home.Folder.Read("prompted.pwk"), "word\r\n");
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("other.pwk"));
}

TEST_F(MainWindowTest, CancelOrACancelledSaveDialogCallsOffNewOpenAndExit)
{
    // Cancel (Escape) in the question, or Yes and then Cancel in the file dialog: the step
    // that asked is called off, and the list stays as it was, still to be saved.
    struct Step {
        const char* name;
        std::function<bool(TFrmMain&)> run; // false: the window did not close
    };
    const Step steps[] = {
        {"New", [](TFrmMain& w) { w.MnuFileNew->trigger(); return true; }},
        {"Open", [](TFrmMain& w) { w.MnuFileOpen->trigger(); return true; }},
        {"Exit", [](TFrmMain& w) { return !w.close(); }},
    };
    TFrmMain& w = Open();
    AddWords({"a", "b", "c"});
    for (const Step& step : steps)
        for (const bool yesThenCancel : {false, true}) {
            if (yesThenCancel) {
                Asks.ExpectQuestion(SaveQuestion, true);
                Asks.ExpectSave(std::nullopt);
            } else {
                Asks.ExpectQuestionCancelled(SaveQuestion);
            }
            EXPECT_TRUE(step.run(w)) << step.name << " closed the window";
            EXPECT_EQ(w.WordList.Count(), 3) << step.name;
            EXPECT_TRUE(w.ListModified) << step.name;
            EXPECT_TRUE(Asks.Done()) << step.name;
        }
    // No goes on without saving.
    Asks.ExpectQuestion(SaveQuestion, false);
    w.MnuFileNew->trigger();
    EXPECT_EQ(w.WordList.Count(), 0);
}

TEST_F(MainWindowTest, AFailingSaveQuestionStopsNewAndKeepsTheList)
{
    TFrmMain& w = Open();
    AddWords({"a"});
    w.CurrentFileName = "/dev/full";
    Asks.ExpectQuestion(SaveQuestion, true);
    Asks.ExpectError("/dev/full: Disk full");
    w.MnuFileNew->trigger();
    EXPECT_EQ(w.WordList.Count(), 1);
    EXPECT_TRUE(w.ListModified);
}

TEST_F(MainWindowTest, ToolBarButtonsRunTheMenuCommands)
{
    TFrmMain& w = Open();
    AddWord("a");
    Asks.ExpectQuestion(SaveQuestion, false);
    QTest::mouseClick(w.ToolButtonNew, Qt::LeftButton);
    EXPECT_EQ(w.WordList.Count(), 0);
    Asks.ExpectOpen(std::nullopt);
    QTest::mouseClick(w.ToolButtonOpen, Qt::LeftButton);
    Asks.ExpectSave(std::nullopt);
    QTest::mouseClick(w.ToolButtonSave, Qt::LeftButton);
}

TEST_F(MainWindowTest, AHundredThousandWordsOpenInOneGo)
{
    TFrmMain& w = Open();
    QByteArray bytes;
    for (int i = 100000; i > 0; --i)
        bytes += "word" + QByteArray::number(i) + "\r\n";
    Home.Folder.Write("big.pwk", bytes);
    Asks.ExpectOpen(Home.Folder.Path("big.pwk"));
    w.MnuFileOpen->trigger();
    ASSERT_EQ(w.WordList.Count(), 100000);
    EXPECT_EQ(w.WordList.Items().first(), "word1");
    EXPECT_EQ(w.WordList.Items()[1], "word10");
    EXPECT_EQ(w.CboCardStr->count(), 100000);
}
