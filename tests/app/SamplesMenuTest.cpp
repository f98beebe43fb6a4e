// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Paths.h"
#include "settings/DataFolders.h"
#include "settings/SampleFolder.h"
#include "support/MainWindowFixture.h"

#include <QMenu>

namespace {

// A caption as it reads: mnemonic marks gone, "&&" an "&".
QString Shown(QString caption)
{
    return caption.replace("&&", "\x01").remove('&').replace("\x01", "&");
}

// The menu as text: sub-menus as "Name>" followed by their entries, indented.
QStringList Describe(const QMenu* menu, const QString& indent = {})
{
    QStringList lines;
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            lines << indent + Shown(action->text()) + ">";
            lines += Describe(sub, indent + "  ");
        } else {
            lines << indent + Shown(action->text());
        }
    }
    return lines;
}

QAction* Find(const QMenu* menu, const QStringList& path)
{
    for (QAction* action : menu->actions()) {
        if (Shown(action->text()) != path.front())
            continue;
        if (path.size() == 1)
            return action;
        return action->menu() ? Find(action->menu(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

} // namespace

class SamplesMenuTest : public MainWindowTest {
protected:
    void Sample(const QString& relative, const QByteArray& bytes = "word\r\n")
    {
        Home.Folder.Write("Plumwick/SampleLists/" + relative, bytes);
    }
};

TEST_F(SamplesMenuTest, FoldersFirstThenListsInAlphabeticalOrder)
{
    Sample("Animals/Zoo.pwk");
    Sample("Animals/Farm.pwk");
    Sample("Numbers.pwk");
    Sample("apples.pwk");
    Sample("Vol. 2/Hidden.pwk");
    Sample("notes.txt");
    Sample("My list.v2.pwk");
    Sample("UPPER.PWK");
    QDir().mkpath(Home.DataFolder() + "/SampleLists/Empty");
    // A link back up the tree is not followed for ever.
    QFile::link(Home.DataFolder() + "/SampleLists", Home.DataFolder() + "/SampleLists/Animals/Loop");
    TFrmMain& w = Open();
    EXPECT_EQ(Describe(w.MnuSample), (QStringList{"Animals>", "  Loop>", "  Farm", "  Zoo", "Empty>", "apples",
                                                   "My list.v2", "Numbers", "UPPER"}));
}

// Names show as they are ("R&D" keeps its "&"), and hidden names stay out.
TEST_F(SamplesMenuTest, NamesShowLiterallyHiddenOnesStayOut)
{
    Sample("R&D.pwk", "lab\r\n");
    Sample("Tom & Jerry/Cats.pwk");
    Sample(".hidden.pwk");
    Sample(".cache/Inside.pwk");
    TFrmMain& w = Open();
    EXPECT_EQ(Describe(w.MnuSample), (QStringList{"Tom & Jerry>", "  Cats", "R&D"}));
    // The "&" is shown, not taken as a mnemonic; each entry gets one of its own letters.
    EXPECT_EQ(w.MnuSample->actions()[0]->text(), "&Tom && Jerry");
    EXPECT_EQ(w.MnuSample->actions()[1]->text(), "&R&&D");
    w.MnuSample->actions()[1]->trigger();
    EXPECT_EQ(w.WordList.Items(), QStringList{"lab"});
}

TEST_F(SamplesMenuTest, ChoosingAListLoadsItTrimmedAndSorted)
{
    Sample("Numbers.pwk", "  b  \r\n\r\n\ta\r\nc");
    Sample("Animals/Numbers.pwk", "cat\r\n");
    TFrmMain& w = Open();
    AddWord("mine");
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    Find(w.MnuSample, {"Numbers"})->trigger();
    EXPECT_EQ(w.WordList.Items(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(w.CurrentFileName, Home.DataFolder() + "/SampleLists/Numbers.pwk");
    EXPECT_FALSE(w.ListModified);
    EXPECT_EQ(w.CardCells.size(), 3);

    // A list of the same name in a category loads its own file.
    Find(w.MnuSample, {"Animals", "Numbers"})->trigger();
    EXPECT_EQ(w.WordList.Items(), QStringList{"cat"});
    EXPECT_EQ(w.CurrentFileName, Home.DataFolder() + "/SampleLists/Animals/Numbers.pwk");
}

TEST_F(SamplesMenuTest, AVanishedListIsReported)
{
    Sample("Gone.pwk");
    TFrmMain& w = Open();
    AddWord("mine");
    QFile::remove(Home.DataFolder() + "/SampleLists/Gone.pwk");
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    Asks.ExpectInformation("The sample bingo card doesn't exist, please re-install the software and try it again.");
    Find(w.MnuSample, {"Gone"})->trigger();
    EXPECT_EQ(w.WordList.Count(), 0);
    EXPECT_TRUE(w.CurrentFileName.isEmpty());
    EXPECT_FALSE(w.ListModified);
}

TEST_F(SamplesMenuTest, NoFolderNoEntries)
{
    QDir(Home.DataFolder()).removeRecursively();
    TFrmMain& w = Open();
    EXPECT_TRUE(w.MnuSample->actions().isEmpty());
}

TEST(DataFolders, PathsAndTheFirstStart)
{
    TempDataHome home;
    QDir(home.DataFolder()).removeRecursively();
    EXPECT_EQ(SettingsFilePath(), home.DataFolder() + "/Options.ini");
    EXPECT_EQ(SampleListsPath(), home.DataFolder() + "/SampleLists/");
    EXPECT_EQ(JoinPath("/", "help.html"), "/help.html");
    EXPECT_EQ(JoinPath("/opt/plumwick/", "help.html"), "/opt/plumwick/help.html");
    EXPECT_EQ(JoinPath("/opt/plumwick", "help.html"), "/opt/plumwick/help.html");

    // First start: the folder is made, with the shipped lists.
    TempFolder shipped;
    shipped.Write("Cat/List.pwk", "x\r\n");
    shipped.Write("Top.pwk", "y\r\n");
    ASSERT_TRUE(InstallUserDataFolder(shipped.Path()));
    EXPECT_EQ(home.Folder.Read("Plumwick/SampleLists/Cat/List.pwk"), "x\r\n");
    EXPECT_EQ(home.Folder.Read("Plumwick/SampleLists/Top.pwk"), "y\r\n");
    // Later starts leave the folder alone, even when the user emptied it.
    QFile::remove(home.DataFolder() + "/SampleLists/Top.pwk");
    ASSERT_TRUE(InstallUserDataFolder(shipped.Path()));
    EXPECT_FALSE(QFile::exists(home.DataFolder() + "/SampleLists/Top.pwk"));
    // A folder made without the samples (plumwick-print first): they arrive, and nothing
    // else there is touched but the leftovers of killed writes.
    QDir(home.DataFolder()).removeRecursively();
    home.Folder.Write("Plumwick/Games.json", "[]");
    home.Folder.Write("Plumwick/Games.json.plumwick-Ab12Cd", "half");
    QFile half(home.DataFolder() + "/Games.json.plumwick-Ab12Cd");
    ASSERT_TRUE(half.open(QIODevice::ReadWrite));
    half.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime);
    half.close();
    ASSERT_TRUE(InstallUserDataFolder(shipped.Path()));
    EXPECT_EQ(home.Folder.Read("Plumwick/SampleLists/Top.pwk"), "y\r\n");
    EXPECT_EQ(home.Folder.Read("Plumwick/Games.json"), "[]");
    EXPECT_EQ(QDir(home.DataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"Games.json", "SampleLists"}));

    // The help page: exactly one separator, beside the program when it is there.
    TempFolder program;
    program.Write("help.html", "<html/>");
    EXPECT_EQ(HelpFilePath(program.Path() + "/"), program.Path() + "/help.html");
    EXPECT_EQ(HelpFilePath(program.Path()), program.Path() + "/help.html");
    // Installed as a package lays it out: the help among the documentation, the lists in
    // the program's data folder, both found from bin/.
    TempFolder root;
    root.Write("usr/share/doc/plumwick/help.html", "<html/>");
    root.Write("usr/share/plumwick/SampleLists/Top.pwk", "y\r\n");
    QDir().mkpath(root.Path("usr/bin"));
    EXPECT_EQ(HelpFilePath(root.Path("usr/bin")), root.Path("usr/share/doc/plumwick/help.html"));
    EXPECT_EQ(ShippedDataPath(root.Path("usr/bin"), "SampleLists"), root.Path("usr/share/plumwick/SampleLists"));
}
