// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The room display read from the back of a hall: a number a third of its height, a long
// phrase in two lines as large as they fit, a win shown until the next call; a long
// traditional call never squeezes the 90-ball board.
#include "widgets/CallerBoard.h"
#include "app/RoomDisplay.h"
#include "game/CallerDraw.h"
#include "game/NinetyBall.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

TEST(RoomDisplay, TheCallIsAsLargeAsItFitsAndAWinShowsUntilTheNextCall)
{
    RoomDisplay room(nullptr);
    room.show();
    room.resize(1280, 720); // a projector's, larger than the suite's screen, as a host may make it
    const CallerDraw draw(QStringList{"B 12", "Somebody who has lived in three countries"});
    room.ShowCalls(&draw, {}, false, "B 12", {});
    EXPECT_GE(room.LblCall->font().pixelSize(), room.height() / 5);
    room.ShowNews("Bingo! Card 17");
    EXPECT_TRUE(room.LblNews->isVisibleTo(&room));
    room.ShowCalls(&draw, {}, false, "B 12", {}); // the same call again: the win stays
    EXPECT_TRUE(room.LblNews->isVisibleTo(&room));
    const QString phrase = "Somebody who has lived in three countries";
    room.ShowCalls(&draw, {}, false, phrase, {"B 12"});
    EXPECT_FALSE(room.LblNews->isVisibleTo(&room));
    EXPECT_EQ(room.LblLast->text(), QString("Last calls: \u2068B 12\u2069"));
    const QFont font = room.LblCall->font();
    EXPECT_GE(font.pixelSize(), room.height() / 10);
    const QRect need = QFontMetrics(font).boundingRect(QRect(0, 0, room.width() - 32, room.height()), Qt::AlignCenter | Qt::TextWordWrap, phrase);
    EXPECT_LE(need.width(), room.width() - 32);
    EXPECT_LE(need.height(), room.height() / 2);
}

TEST(RoomDisplay, ALongTraditionalCallLeavesTheBoardItsShare)
{
    RoomDisplay room(nullptr);
    room.resize(960, 640);
    room.show();
    CallerDraw draw(NinetyBall::Numbers());
    draw.Draw(21);
    const QString phrase = "Key of the door, twenty-one, and a phrase the hall knows by heart";
    for (const QString& call : {QString("21"), phrase}) {
        room.ShowCalls(&draw, {}, true, call, {});
        QCoreApplication::processEvents();
        SCOPED_TRACE(call.toStdString());
        // The call and the board share the height as set (4 to 3), the call's text within its own room.
        EXPECT_GE(room.Board->height(), room.LblCall->height() * 2 / 3);
        EXPECT_GE(room.Board->height() / 9, 18);
        const QFont font = room.LblCall->font();
        EXPECT_GE(font.pixelSize(), 24);
        const QRect need = QFontMetrics(font).boundingRect(room.LblCall->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, call);
        EXPECT_LE(need.height(), room.LblCall->contentsRect().height());
    }
}
