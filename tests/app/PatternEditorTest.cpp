// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The host's own patterns, drawn with the keyboard alone: named, cells covered with the
// arrows and Space, saved, offered by the pattern boxes and the prizes, and deleted.
#include "app/PatternBox.h"
#include "app/PatternEditorDialog.h"
#include "app/PrizesDialog.h"
#include "settings/OwnPatterns.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

TEST_F(MainWindowTest, TheHostDrawsAPatternWithTheKeyboardAndEveryBoxOffersIt)
{
    TFrmMain& main = Open();
    PatternEditorDialog editor(&main, Asks, 3);
    editor.show();
    QTest::keyClicks(editor.EdtName, "Corner hook");
    EXPECT_EQ(editor.Grid->rowCount(), 3);
    // From the centre: up, then left, covering each cell with Space.
    editor.Grid->setFocus();
    QTest::keyClick(editor.Grid, Qt::Key_Up);
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    QTest::keyClick(editor.Grid, Qt::Key_Left);
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    QTest::keyClick(editor.Grid, Qt::Key_Down);
    QTest::keyClick(editor.Grid, Qt::Key_Space);
    editor.ChkAnyWayRound->setChecked(true);
    ASSERT_TRUE(editor.SaveClick());
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
}
