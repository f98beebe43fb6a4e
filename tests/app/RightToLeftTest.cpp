// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Arabic and Hebrew are typed and edited right to left, in the word box, the card's own
// texts and the words editor, and arrive in the list as typed.
#include "dialogs/WordsEditorDialog.h"
#include "support/MainWindowFixture.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>
#include <cstdlib>

namespace {

const QString Arabic = QStringLiteral("\u0645\u0631\u062d\u0628\u0627");
const QString Hebrew = QStringLiteral("\u05e9\u05dc\u05d5\u05dd");

// Types text as a keyboard would, one character at a time.
void TypeInto(QWidget* edit, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
    }
}

// The middle of the text as drawn: the span of the pixels that stand out from the box.
int InkMiddle(QLineEdit* edit)
{
    const QImage image = edit->grab().toImage();
    const int ground = qGray(edit->palette().color(QPalette::Base).rgb());
    int left = image.width(), right = -1;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            if (std::abs(qGray(image.pixel(x, y)) - ground) > 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < 0 ? -1 : (left + right) / 2;
}

// Where typing goes on, once the line has laid its text out.
int CursorX(QLineEdit* edit)
{
    edit->grab();
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

} // namespace

TEST_F(MainWindowTest, RightToLeftWordsAreEditedRightToLeft)
{
    TFrmMain& w = Open();
    w.show();
    QLineEdit* box = w.CboCardStr->lineEdit();
    TypeInto(box, Arabic);
    EXPECT_EQ(box->layoutDirection(), Qt::RightToLeft);
    // The word stands at the right, and typing goes on at its left end.
    const int middle = InkMiddle(box);
    EXPECT_GT(middle, box->width() / 2);
    EXPECT_LT(CursorX(box), middle);
    Enter();
    EXPECT_EQ(w.WordList.Items(), QStringList{Arabic});
    // An emptied box, then a Latin word: left to right again.
    EXPECT_NE(box->layoutDirection(), Qt::RightToLeft);
    TypeInto(box, QStringLiteral("apple"));
    EXPECT_EQ(box->layoutDirection(), Qt::LeftToRight);
    EXPECT_LT(InkMiddle(box), box->width() / 2);
    EXPECT_GT(CursorX(box), InkMiddle(box));
    // A mixed word runs the way its first letter does.
    box->setText(Hebrew + QStringLiteral(" party"));
    EXPECT_EQ(box->layoutDirection(), Qt::RightToLeft);
    box->setText(QStringLiteral("party ") + Hebrew);
    EXPECT_EQ(box->layoutDirection(), Qt::LeftToRight);
    // The free space's and the heading's texts follow their text the same way.
    w.TxtFreeSpace->setText(Hebrew);
    EXPECT_EQ(w.TxtFreeSpace->layoutDirection(), Qt::RightToLeft);
    w.TxtHeading->setText(QStringLiteral("BINGO"));
    EXPECT_EQ(w.TxtHeading->layoutDirection(), Qt::LeftToRight);
}

TEST_F(MainWindowTest, TheWordsEditorRunsEachLineItsOwnWay)
{
    TFrmMain& w = Open();
    WordsEditorDialog editor(&w, Asks, {Arabic, QStringLiteral("apple"), Hebrew});
    editor.show();
    auto* text = editor.findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    QTextBlock block = text->document()->begin();
    EXPECT_EQ(block.textDirection(), Qt::RightToLeft);
    EXPECT_EQ(block.next().textDirection(), Qt::LeftToRight);
    EXPECT_EQ(block.next().next().textDirection(), Qt::RightToLeft);
    EXPECT_EQ(editor.Text().split(u'\n'), (QStringList{Arabic, QStringLiteral("apple"), Hebrew}));
}
