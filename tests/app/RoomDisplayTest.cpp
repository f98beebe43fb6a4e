// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The room display read from the back of a hall: a number a third of its height, a long
// phrase in two lines as large as they fit, a win shown until the next call.
#include "app/RoomDisplay.h"
#include "game/CallerDraw.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(RoomDisplay, TheCallIsAsLargeAsItFitsAndAWinShowsUntilTheNextCall)
{
    RoomDisplay room(nullptr);
    room.resize(1280, 720);
    room.show();
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
