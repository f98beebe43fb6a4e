// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {
const QString Empty = "Please don't add an empty string.";
const QString NothingSelected = "Please select the string you want to delete firstly.";
QString Again(const QString& w)
{
    return "The word '" + w + "' has already been added into the list, do you want to add it again?";
}
} // namespace

TEST_F(MainWindowTest, StartsWithTheFirstRunDefaults)
{
    TFrmMain& w = Open();
    EXPECT_EQ(w.windowTitle(), "Plumwick");
    EXPECT_EQ(w.size(), QSize(677, 492 - w.TitleBand));
    EXPECT_TRUE(w.Label1->text().startsWith("Tip: To make your own card list"));
    EXPECT_TRUE(w.ChkFreeSpace->isChecked());
    EXPECT_TRUE(w.TxtFreeSpace->isEnabled());
    EXPECT_EQ(w.TxtFreeSpace->text(), "Free Space");
    EXPECT_TRUE(w.ChkHeading->isChecked());
    EXPECT_EQ(w.TxtHeading->text(), "BINGO");
    EXPECT_EQ(w.CboCardSize->currentIndex(), 1);
    EXPECT_TRUE(w.ChkWordWrap->isChecked());
    EXPECT_EQ(w.CardFontName, "Arial");
    EXPECT_EQ(w.CardFontSize, 20);
    EXPECT_FALSE(w.ListModified);
    EXPECT_TRUE(w.CurrentFileName.isEmpty());
    EXPECT_TRUE(w.CardCells.isEmpty());
    // The printers in the system's order, the PDF printer last, the default selected.
    ASSERT_EQ(w.CboPrinters->count(), 2);
    EXPECT_EQ(w.CboPrinters->itemText(1), "Print to PDF");
    EXPECT_EQ(w.CboPrinters->currentIndex(), 0);
    EXPECT_EQ(w.EdtCardNum->minimum(), 1);
    EXPECT_EQ(w.EdtCardNum->maximum(), 99999);
    EXPECT_EQ(w.CboCardsPerPage->currentText(), "1");
    // Free space and heading start ticked where the form has them unticked: their
    // handlers ran during start-up.
    EXPECT_EQ(w.ArrangeCount, 2);
    // The menu entries and their shortcuts.
    EXPECT_EQ(w.MnuFilePrintList->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(w.MnuFileExit->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_EQ(w.MnuHelpFile->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(w.ToolButtonPrint->geometry().left(), 107);
}

TEST_F(MainWindowTest, NoPrintersLeavesTheBoxEmpty)
{
    Printer.PrinterNames.clear();
    TFrmMain& w = Open();
    EXPECT_EQ(w.CboPrinters->count(), 0);
    EXPECT_EQ(w.CboPrinters->currentIndex(), -1);
}

TEST_F(MainWindowTest, EnterAddsAtTheSortedPlaceAndRearranges)
{
    TFrmMain& w = Open();
    for (const char* word : {"2", "banana", "10", "Apple", "1"}) {
        Type(word);
        Enter();
    }
    EXPECT_EQ(w.WordList.Items(), (QStringList{"1", "10", "2", "Apple", "banana"}));
    EXPECT_TRUE(w.CboCardStr->currentText().isEmpty());
    EXPECT_TRUE(w.ListModified);
    EXPECT_EQ(w.CardCells.size(), 5);
    EXPECT_EQ(w.ArrangeCount, 2 + 5);
    EXPECT_EQ(w.RedrawCount, 2 + 5);
}

TEST_F(MainWindowTest, BlankInputIsRefusedAndStays)
{
    TFrmMain& w = Open();
    Asks.ExpectInformation(Empty);
    Enter();
    Asks.ExpectInformation(Empty);
    w.CboCardStr->setEditText(" \t ");
    QTest::mouseClick(w.BtnAdd, Qt::LeftButton);
    EXPECT_EQ(w.CboCardStr->currentText(), " \t ");
    EXPECT_EQ(w.WordList.Count(), 0);
    EXPECT_FALSE(w.ListModified);
}

TEST_F(MainWindowTest, DuplicateQuestionIsAskedOncePerIdenticalEntry)
{
    TFrmMain& w = Open();
    AddWords({"cat", "dog"});
    Asks.ExpectQuestion(Again("cat"), true);
    AddWord("cat");
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "cat", "dog"}));
    EXPECT_FALSE(Asks.QuestionDefaults.front()); // No is the default button

    // Twice in the list: asked twice; No at the second adds nothing and redraws nothing.
    w.ListModified = false;
    const int redraws = w.RedrawCount;
    const int arranged = w.ArrangeCount;
    Asks.ExpectQuestion(Again("cat"), true);
    Asks.ExpectQuestion(Again("cat"), false);
    Type("cat");
    Enter();
    EXPECT_EQ(w.WordList.Count(), 3);
    EXPECT_TRUE(w.CboCardStr->currentText().isEmpty());
    EXPECT_EQ(w.RedrawCount, redraws);
    EXPECT_EQ(w.ArrangeCount, arranged);
    EXPECT_FALSE(w.ListModified);

    // A difference of case is the same call: asked as for an exact repeat (once per "cat");
    // blanks make another word: no question.
    Asks.ExpectQuestion(Again("Cat"), true);
    Asks.ExpectQuestion(Again("Cat"), true);
    AddWords({"Cat", " cat", "cat "});
    EXPECT_EQ(w.WordList.Count(), 6);
    EXPECT_TRUE(w.WordList.Items().contains(" cat"));
}

TEST_F(MainWindowTest, DeleteRemovesTheWordPickedFromTheList)
{
    TFrmMain& w = Open();
    AddWords({"a", "b", "c"});
    Asks.ExpectInformation(NothingSelected);
    QTest::mouseClick(w.BtnDelete, Qt::LeftButton);
    EXPECT_EQ(w.WordList.Count(), 3);

    // A pick from the drop-down list selects; that word goes.
    w.ListModified = false;
    w.CboCardStr->setCurrentIndex(1);
    Q_EMIT w.CboCardStr->activated(1);
    const int arranged = w.ArrangeCount;
    QTest::mouseClick(w.BtnDelete, Qt::LeftButton);
    EXPECT_EQ(w.WordList.Items(), (QStringList{"a", "c"}));
    EXPECT_EQ(w.ArrangeCount, arranged + 1);
    EXPECT_TRUE(w.ListModified);

    // Picking and then pressing Add asks the duplicate question for it.
    w.CboCardStr->setCurrentIndex(0);
    Q_EMIT w.CboCardStr->activated(0);
    Asks.ExpectQuestion(Again("a"), false);
    QTest::mouseClick(w.BtnAdd, Qt::LeftButton);
    // Typing after a pick deselects: Delete then has nothing to remove.
    w.CboCardStr->setCurrentIndex(0);
    Q_EMIT w.CboCardStr->activated(0);
    Type("x");
    Asks.ExpectInformation(NothingSelected);
    QTest::mouseClick(w.BtnDelete, Qt::LeftButton);
}

TEST_F(MainWindowTest, OptionsRearrangeOrOnlyRedrawAsEachOneShould)
{
    TFrmMain& w = Open();
    AddWords({"a", "b", "c"});
    w.ListModified = false;
    struct Step {
        const char* name;
        std::function<void()> act;
        int arranges;
    };
    const Step steps[] = {
        {"size", [&] { w.CboCardSize->setCurrentIndex(2); Q_EMIT w.CboCardSize->activated(2); }, 1},
        {"heading text", [&] { QTest::keyClicks(w.TxtHeading, "xy"); }, 0},
        {"free-space text", [&] { QTest::keyClicks(w.TxtFreeSpace, "!"); }, 0},
        {"free space", [&] { w.ChkFreeSpace->click(); }, 1},
        {"heading", [&] { w.ChkHeading->click(); }, 1},
        {"word wrap", [&] { w.ChkWordWrap->click(); }, 1},
    };
    for (const Step& step : steps) {
        const int arranged = w.ArrangeCount;
        const int redrawn = w.RedrawCount;
        const QStringList cells = w.CardCells;
        step.act();
        EXPECT_EQ(w.ArrangeCount - arranged, step.arranges) << step.name;
        EXPECT_GT(w.RedrawCount, redrawn) << step.name;
        if (step.arranges == 0) {
            EXPECT_EQ(w.CardCells, cells) << step.name;
        }
    }
    // Every keystroke redraws; the text boxes follow their check boxes.
    EXPECT_EQ(w.TxtHeading->text(), "BINGOxy");
    EXPECT_FALSE(w.TxtHeading->isEnabled());
    EXPECT_FALSE(w.TxtFreeSpace->isEnabled());
    EXPECT_EQ(w.TxtFreeSpace->text(), "Free Space!");
    EXPECT_FALSE(w.ListModified);
}

TEST_F(MainWindowTest, ErrorsInAHandlerAreShownAndTheProgramGoesOn)
{
    TFrmMain& w = Open();
    AddWords({"a"});
    // An empty card count is not a whole number: the error box, with its full stop rule.
    for (int i = 0; i < 30; ++i)
        AddWord(QString::number(i));
    w.EdtCardNum->findChild<QLineEdit*>()->setText("");
    Asks.ExpectError("'' is not a valid integer value");
    w.MnuFilePrint->trigger();
    EXPECT_FALSE(Printer.Calls.contains("begin"));
    // The window still works.
    AddWord("after");
    EXPECT_TRUE(w.WordList.Items().contains("after"));
}
