// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Lists reaching the window the ways a desktop offers: the command line, drops, pasted
// lines, Save As, the recent lists and the words edited as text.
#include "widgets/PaintBox.h"
#include "app/StartupOptions.h"
#include "dialogs/WordsEditorDialog.h"
#include "settings/RecentLists.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

const QString SaveQuestion = "Do you want to save current bingo card?";

// A drag that enters the target and is dropped there, as the desktop sends it.
void Drop(QWidget* target, QMimeData& data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Runs `edit` on the words editor once it is open, then presses OK or Cancel.
void InEditor(std::function<void(WordsEditorDialog*)> edit, bool ok)
{
    WhenOpen<WordsEditorDialog>([edit, ok](WordsEditorDialog* dialog) {
        edit(dialog);
        ok ? dialog->accept() : dialog->reject();
    });
}

} // namespace

TEST(StartupOptions, TheProgramsCommandLine)
{
    struct Case {
        QStringList arguments;
        bool valid;
        QString file;
        bool help, version;
    };
    const Case cases[] = {
        {{}, true, "", false, false},
        {{"list.pwk"}, true, "list.pwk", false, false},
        {{"--", "-odd.pwk"}, true, "-odd.pwk", false, false},
        {{"--help"}, true, "", true, false},
        {{"-h"}, true, "", true, false},
        {{"--version"}, true, "", false, true},
        {{"--bogus"}, false, "", false, false},
        {{"-bogus"}, false, "", false, false},
        // Qt's own options are left to Qt; their values are no list.
        {{"-style", "Fusion", "list.pwk"}, true, "list.pwk", false, false},
        {{"--style=Fusion", "-reverse", "-stylesheet", "my.qss"}, true, "", false, false},
        {{"-platform", "offscreen", "--", "-reverse"}, true, "-reverse", false, false},
        {{"-style"}, false, "", false, false},
        {{"a.pwk", "b.pwk"}, false, "", false, false},
    };
    for (const Case& c : cases) {
        QString error;
        const auto o = ParseStartupOptions(c.arguments, error);
        ASSERT_EQ(o.has_value(), c.valid) << c.arguments.join(' ').toStdString();
        if (!o) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        EXPECT_EQ(o->ListFile, c.file);
        EXPECT_EQ(o->Help, c.help);
        EXPECT_EQ(o->Version, c.version);
    }
    EXPECT_TRUE(StartupUsage().startsWith("Usage: plumwick [LIST.pwk]"));
}

TEST_F(MainWindowTest, AListNamedAtStartOpensAsOpenWould)
{
    Home.Folder.Write("pets.pwk", "dog\r\ncat\r\n");
    TFrmMain& w = Open();
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("pets.pwk")); });
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "dog"}));
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("pets.pwk"));
    EXPECT_FALSE(w.ListModified);
    EXPECT_EQ(w.CardCells.size(), 2);

    Asks.ExpectError(Home.Folder.Path("missing.pwk") + ": File not found");
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("missing.pwk")); });
    EXPECT_EQ(w.WordList.Count(), 0);

    Home.Folder.Write("scan.pdf", "%PDF-1.4\n");
    Asks.ExpectError("scan.pdf is not a word list");
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("scan.pdf")); });
    EXPECT_TRUE(w.CurrentFileName.isEmpty());
}

TEST_F(MainWindowTest, DroppedFilesAndText)
{
    Home.Folder.Write("a.txt", "apple\r\npear\r\n");
    Home.Folder.Write("b.pwk", "bee\r\n");
    Home.Folder.Write("c.png", "\x89PNG\r\n\x1a\n");
    TFrmMain& w = Open();
    w.show();
    AddWord("mine");
    // Several files: the first list opens, after the save question; other kinds are passed over.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(Home.Folder.Path("c.png")), QUrl::fromLocalFile(Home.Folder.Path("a.txt")),
                   QUrl::fromLocalFile(Home.Folder.Path("b.pwk"))});
    Asks.ExpectQuestion(SaveQuestion, false);
    Drop(w.PB, files); // on the card, which passes it to the window
    EXPECT_EQ(w.WordList.Items(), (QStringList{"apple", "pear"}));
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("a.txt"));
    // Text adds its lines as words.
    QMimeData text;
    text.setText("plum\n\n  fig \r\n");
    Drop(&w, text);
    EXPECT_EQ(w.WordList.Items(), (QStringList{"apple", "fig", "pear", "plum"}));
    EXPECT_TRUE(w.ListModified);
}

TEST_F(MainWindowTest, PastedLinesAreManyWordsAtOnce)
{
    TFrmMain& w = Open();
    AddWords({"cat", "dog"});
    const int arranged = w.ArrangeCount;
    const int redrawn = w.RedrawCount;
    // Blank lines are skipped, lines are trimmed; two of them are in the list already.
    Asks.ExpectQuestion("2 of these words are already in the list. Add them again?", false);
    w.CboCardStr->lineEdit()->insert("cat\r\n\r\n  emu \n\tdog\rfox");
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "dog", "emu", "fox"}));
    EXPECT_EQ(w.ArrangeCount, arranged + 1);
    EXPECT_EQ(w.RedrawCount, redrawn + 1);
    EXPECT_EQ(w.CboCardStr->currentText(), "");
    Asks.ExpectQuestion("1 of these words is already in the list. Add it again?", true);
    w.CboCardStr->lineEdit()->insert("emu\ngnu");
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "dog", "emu", "emu", "fox", "gnu"}));
    for (const QString& word : w.WordList.Items())
        EXPECT_FALSE(word.contains('\n') || word.contains('\r'));
}

TEST_F(MainWindowTest, TheWordsEditor)
{
    TFrmMain& w = Open();
    AddWords({"cat", "dog"});
    w.ListModified = false;
    // OK without a change, or with only the order changed, changes nothing.
    InEditor([](WordsEditorDialog* d) { EXPECT_EQ(d->Text(), "cat\ndog"); }, true);
    w.MnuFileEditWords->trigger();
    InEditor([](WordsEditorDialog* d) { d->Editor->setPlainText("dog\n\ncat\n"); }, true);
    w.MnuFileEditWords->trigger();
    EXPECT_FALSE(w.ListModified);
    // Cancel with a change asks first: No stays in the editor, Yes leaves it and changes nothing.
    bool stayed = false;
    WhenOpen<WordsEditorDialog>([&](WordsEditorDialog* d) {
        d->Editor->setPlainText("gone");
        QTest::keyClick(d->Editor, Qt::Key_Escape);
        stayed = d->isVisible() && d->Text() == "gone";
        d->reject();
    });
    Asks.ExpectQuestion("Discard the changes you made to the words?", false);
    Asks.ExpectQuestion("Discard the changes you made to the words?", true);
    w.MnuFileEditWords->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "dog"}));
    EXPECT_FALSE(Asks.QuestionDefaults.back()); // No is the default
    // Without a change it closes at once.
    InEditor([](WordsEditorDialog*) {}, false);
    w.MnuFileEditWords->trigger();
    // OK replaces the list with the non-empty trimmed lines, duplicates kept, sorted.
    QString counted;
    InEditor([&](WordsEditorDialog* d) {
        d->Editor->moveCursor(QTextCursor::End);
        for (const char* line : {"", "emu", "  ant ", "dog", ""}) {
            QTest::keyClick(d->Editor, Qt::Key_Return);
            QTest::keyClicks(d->Editor, line);
        }
        QTest::qWait(200);
        counted = d->LblCount->text();
    }, true);
    const int arranged = w.ArrangeCount;
    w.MnuFileEditWords->trigger();
    EXPECT_EQ(counted, "5 words");
    EXPECT_EQ(w.WordList.Items(), (QStringList{"ant", "cat", "dog", "dog", "emu"}));
    EXPECT_TRUE(w.ListModified);
    EXPECT_EQ(w.ArrangeCount, arranged + 1);
}

TEST_F(MainWindowTest, SaveAsAlwaysAsksAndAdoptsTheFile)
{
    TFrmMain& w = Open();
    AddWord("cat");
    Asks.ExpectSave(Home.Folder.Path("first.pwk"));
    w.MnuFileSave->trigger();
    AddWord("dog");
    Asks.ExpectSave(Home.Folder.Path("second.pwk"));
    w.MnuFileSaveAs->trigger();
    EXPECT_EQ(Asks.Dialogs.back().FileName, Home.Folder.Path("first.pwk")); // starts at the current file
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("second.pwk"));
    EXPECT_FALSE(w.ListModified);
    EXPECT_EQ(Home.Folder.Read("second.pwk"), "cat\r\ndog\r\n");
    EXPECT_EQ(Home.Folder.Read("first.pwk"), "cat\r\n");
    // Cancelled: nothing changes.
    AddWord("emu");
    Asks.ExpectSave(std::nullopt);
    w.MnuFileSaveAs->trigger();
    EXPECT_TRUE(w.ListModified);
    EXPECT_EQ(w.MnuFileSaveAs->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(w.MnuFileEditWords->shortcut(), QKeySequence("Ctrl+L"));
}

TEST_F(MainWindowTest, RecentListsNewestFirstAtMostEight)
{
    TFrmMain& w = Open();
    EXPECT_FALSE(w.MnuFileRecent->isEnabled()); // nothing in it yet
    for (int i = 1; i <= 10; ++i) {
        Home.Folder.Write(QString("l%1.pwk").arg(i), "w\r\n");
        w.Guard([&] { w.OpenListFile(Home.Folder.Path(QString("l%1.pwk").arg(i))); });
    }
    EXPECT_TRUE(w.MnuFileRecent->isEnabled()); // at once, not after a restart
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("l4.pwk")); }); // again: moves to the top
    QStringList expected;
    for (int i : {4, 10, 9, 8, 7, 6, 5, 3})
        expected << Home.Folder.Path(QString("l%1.pwk").arg(i));
    EXPECT_EQ(RecentLists::Read(), expected);
    EXPECT_TRUE(Settings().contains("[Recent]\r\nFile1=" + Home.Folder.Path("l4.pwk").toUtf8()));

    w.BuildRecentMenu();
    ASSERT_EQ(w.MnuFileRecent->actions().size(), 8);
    // A list that has gone is removed, with a message; the list on screen stays.
    QFile::remove(Home.Folder.Path("l10.pwk"));
    Asks.ExpectInformation("The list " + Home.Folder.Path("l10.pwk") +
                           " no longer exists. It has been removed from the recent lists.");
    w.MnuFileRecent->actions()[1]->trigger();
    EXPECT_FALSE(RecentLists::Read().contains(Home.Folder.Path("l10.pwk")));
    EXPECT_EQ(w.CurrentFileName, Home.Folder.Path("l4.pwk"));
    // An "&" in a name shows as it is.
    Home.Folder.Write("R&D.pwk", "lab\r\n");
    w.Guard([&] { w.OpenListFile(Home.Folder.Path("R&D.pwk")); });
    w.BuildRecentMenu();
    // Numbered 1 to 8 for the keyboard, the name before its folder; an "&" in a name shows as it is.
    EXPECT_EQ(w.MnuFileRecent->actions()[0]->text(), "&1 R&&D.pwk (" + QString(Home.Folder.Path()).replace("&", "&&") + ")");
    EXPECT_TRUE(w.MnuFileRecent->actions()[7]->text().startsWith("&8 "));
}

TEST_F(MainWindowTest, TheWordCountSaysWhatTheCardNeeds)
{
    TFrmMain& w = Open();
    EXPECT_EQ(w.LblWordCount->text(), "0 words: a 5 x 5 card needs 24");
    AddWord("one");
    EXPECT_EQ(w.LblWordCount->text(), "1 word: a 5 x 5 card needs 24");
    w.ChkFreeSpace->setChecked(false);
    EXPECT_EQ(w.LblWordCount->text(), "1 word: a 5 x 5 card needs 25");
    w.CboCardSize->setCurrentIndex(0);
    Q_EMIT w.CboCardSize->activated(0);
    EXPECT_EQ(w.LblWordCount->text(), "1 word: a 3 x 3 card needs 9");
    for (int i = 0; i < 8; ++i)
        AddWord(QString("w%1").arg(i));
    EXPECT_EQ(w.LblWordCount->text(), "9 words");
    EXPECT_EQ(w.windowTitle(), "Plumwick");
    EXPECT_EQ(w.LblWordCount->y(), w.Label2->y());
    EXPECT_EQ(w.LblWordCount->geometry().right(), w.PB->geometry().right());
}
