// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The menu's shortcuts from every control of the window.
#include "support/MainWindowFixture.h"

#include <QPushButton>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>

TEST_F(MainWindowTest, MenuShortcutsWorkFromEveryControl)
{
    TFrmMain& w = Open();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QSignalSpy printList(w.MnuFilePrintList, &QAction::triggered);
    QSignalSpy exit(w.MnuFileExit, &QAction::triggered);
    QWidget* const controls[] = {w.CboCardStr, w.EdtCardNum, w.TxtFreeSpace, w.TxtHeading, w.CboCardSize, w.BtnAdd};
    int calls = 0;
    for (QWidget* control : controls) {
        control->setFocus();
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        // Print Call List with too few words says so, which shows it ran.
        Asks.ExpectInformation(
            "Your bingo card needs 24 words at least, please add more words, then try to print it again.");
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(printList.count(), ++calls) << control->metaObject()->className();
    }
    // Where a text box holds selected text, Ctrl+C copies it instead: the word box, the card
    // count and the texts of the free space and the heading alike.
    w.CboCardStr->setEditText(QStringLiteral("giraffe"));
    QLineEdit* const texts[] = {w.CboCardStr->lineEdit(), w.EdtCardNum->findChild<QLineEdit*>(), w.TxtFreeSpace, w.TxtHeading};
    for (QLineEdit* text : texts) {
        text->setFocus();
        text->selectAll();
        QApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(printList.count(), calls) << text->objectName().toStdString();
        EXPECT_EQ(QApplication::clipboard()->text(), text->text());
    }
    // Ctrl+E exits from the card count too (the window stays: the close is scripted away).
    w.EdtCardNum->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(exit.count(), 1);
}
