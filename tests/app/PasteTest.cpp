// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Pastes into the text fields: nothing copied yet, and far more than a line holds.
#include "widgets/PasteSafeEdits.h"
#include "dialogs/WordsEditorDialog.h"
#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QMimeData>

TEST_F(MainWindowTest, PastingWithNothingCopiedChangesNothing)
{
    TFrmMain& w = Open();
    AddWords({"cat", "dog"});
    // No data at all, or data of no format (an X11 clipboard whose owner offers nothing).
    QGuiApplication::clipboard()->clear();
    QString after;
    WhenOpen<WordsEditorDialog>([&](WordsEditorDialog* d) {
        QTest::keyClick(d->Editor, Qt::Key_V, Qt::ControlModifier);
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(d->Editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(d->Editor, Qt::Key_Insert, Qt::ShiftModifier);
        d->Editor->insertPlainText("emu\n");
        after = d->Text();
        d->accept();
    });
    w.MnuFileEditWords->trigger();
    EXPECT_EQ(after, "emu\ncat\ndog");
    EXPECT_EQ(w.WordList.Items(), (QStringList{"cat", "dog", "emu"}));
    // The word box too.
    w.CboCardStr->setEditText("ant");
    QTest::keyClick(w.CboCardStr->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.CboCardStr->currentText(), "ant");
    EXPECT_EQ(w.WordList.Count(), 3);
}

TEST_F(MainWindowTest, PastedLinesArriveWholeHoweverLong)
{
    TFrmMain& w = Open();
    // 2,000 lines of 60 characters: 122,000 characters, nearly four times what a line holds.
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("%1 ").arg(i, 4, 10, QChar(u'0')) + QString(55, u'x');
    QGuiApplication::clipboard()->setText(lines.join(u'\n'));
    // Typed text before the cursor joins the first line, as it would in the line.
    w.CboCardStr->setEditText("pre-");
    QTest::keyClick(w.CboCardStr->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w.WordList.Count(), 2000);
    EXPECT_EQ(w.WordList.Items().front(), "0001 " + QString(55, u'x'));
    EXPECT_EQ(w.WordList.Items().back(), "pre-0000 " + QString(55, u'x'));
    EXPECT_EQ(w.CboCardStr->currentText(), "");
    // One line longer than the line holds is one word, whole; a short one is typed in.
    const QString longWord(40000, u'y');
    QGuiApplication::clipboard()->setText(longWord);
    QTest::keyClick(w.CboCardStr->lineEdit(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_TRUE(w.WordList.Items().contains(longWord));
    QGuiApplication::clipboard()->setText("gnu");
    QTest::keyClick(w.CboCardStr->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.CboCardStr->currentText(), "gnu");
    // A drop of many lines arrives whole too.
    QMimeData dropped;
    dropped.setText(lines.join(QStringLiteral("\r\n")).replace("x", "z"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.CboCardStr->lineEdit(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.CboCardStr->lineEdit(), &drop);
    EXPECT_EQ(w.WordList.Count(), 4001);
    EXPECT_TRUE(w.WordList.Items().contains("gnu0000 " + QString(55, u'z')));
}
