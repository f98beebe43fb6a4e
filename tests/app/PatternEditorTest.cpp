// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The host's own patterns, drawn with the keyboard alone: named, cells covered with the
// arrows and Space, saved, offered by the pattern boxes and the prizes, and deleted.
#include "widgets/PatternBox.h"
#include "dialogs/PatternEditorDialog.h"
#include "widgets/PatternGrid.h"
#include "dialogs/PrizesDialog.h"
#include "settings/OwnPatterns.h"
#include "platform/ui/Announcer.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QAccessible>

TEST_F(MainWindowTest, TheHostDrawsAPatternWithTheKeyboardAndEveryBoxOffersIt)
{
    TFrmMain& main = Open();
    PatternEditorDialog editor(&main, Asks, 3);
    editor.show();
    QTest::keyClicks(editor.EdtName, "Corner hook");
    EXPECT_EQ(editor.Grid->Drawing().Side(), 3);
    // From the centre: up, then left, covering each cell with Space. A screen reader has the
    // cell under the cursor as a check box, told whether it is covered.
    editor.Grid->setFocus();
    QTest::keyClick(editor.Grid, Qt::Key_Up);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(editor.Grid);
    EXPECT_EQ(cell->role(), QAccessible::CheckBox);
    EXPECT_TRUE(cell->state().checkable);
    EXPECT_EQ(cell->text(QAccessible::Name), "Row 1, column 2: left out");
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    EXPECT_TRUE(cell->state().checked);
    EXPECT_EQ(cell->text(QAccessible::Name), "Row 1, column 2: covered");
    QTest::keyClick(editor.Grid, Qt::Key_Left);
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    QTest::keyClick(editor.Grid, Qt::Key_Down);
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    editor.ChkAnyWayRound->setChecked(true);
    ASSERT_TRUE(editor.SaveClick());
    EXPECT_EQ(Announcer::Of(&editor)->Last(), "The pattern \"Corner hook\" is saved");
    EXPECT_EQ(editor.focusWidget(), editor.Grid); // the saving moved nothing
    const std::vector<Pattern> saved = OwnPatterns::Read();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].Cells, (std::vector<bool>{true, true, false, true, false, false, false, false, false}));
    EXPECT_TRUE(saved[0].AnyWayRound);
    EXPECT_EQ(editor.LastSaved(), "Corner hook");

    // A name that comes with Plumwick, or none, or no cell covered: said, nothing saved.
    editor.EdtName->setText("Heart");
    Asks.ExpectError("\"Heart\" is the name of a pattern that comes with Plumwick; choose another name.");
    EXPECT_FALSE(editor.SaveClick());
    editor.BtnNew->click();
    editor.EdtName->setText("Blank");
    Asks.ExpectError("The pattern covers no cell.");
    EXPECT_FALSE(editor.SaveClick());
    EXPECT_EQ(OwnPatterns::Read(), saved);

    // A 3 x 3 card's boxes offer it; a 5 x 5 card's do not.
    QComboBox box;
    FillPatternBox(&box, false, 3);
    EXPECT_EQ(box.itemText(box.count() - 1), "Corner hook (any way round)");
    box.setCurrentIndex(box.count() - 1);
    EXPECT_EQ(BoxPattern(&box).Key, "Corner hook");
    FillPatternBox(&box, false, 5);
    EXPECT_EQ(box.findData("Corner hook"), -1);
    PrizesDialog prizes(&main, Asks, false, 3, {});
    ASSERT_TRUE(ChoosePattern(prizes.CboPattern, "Corner hook"));
    prizes.SpnWinners->setValue(0);
    prizes.BtnAdd->click();
    EXPECT_EQ(prizes.LstPrizes->item(0)->text(), "Corner hook: any number of winners");
    EXPECT_EQ(prizes.Result(), (std::vector<Prize>{{"Corner hook", 0}}));

    // Deleted, after the question.
    editor.LstPatterns->setCurrentRow(0);
    EXPECT_EQ(editor.EdtName->text(), "Corner hook");
    Asks.ExpectQuestion("Delete the pattern \"Corner hook\"?", true);
    editor.BtnDelete->click();
    EXPECT_TRUE(OwnPatterns::Read().empty());
    EXPECT_EQ(editor.LstPatterns->count(), 0);

    // Closing after drawing asks first: Cancel stays, Yes saves and closes; a drawing saved
    // or untouched closes at once.
    editor.BtnNew->click();
    QTest::keyClicks(editor.EdtName, "Sister Mary");
    editor.Grid->setFocus();
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    Asks.ExpectQuestionCancelled("Save the pattern you drew before closing?");
    editor.reject();
    EXPECT_TRUE(editor.isVisible());
    Asks.ExpectQuestion("Save the pattern you drew before closing?", true);
    editor.reject();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(OwnPatterns::Read().size(), 1u);
    editor.show();
    editor.reject();
    EXPECT_FALSE(editor.isVisible());
}
