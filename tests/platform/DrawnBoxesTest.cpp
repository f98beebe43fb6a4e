// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The boxes drawn on a page answer "does this box touch one?" as a look at every box would:
// small and large boxes, edges that only meet, negative coordinates, after clearing.
#include "platform/DrawnBoxes.h"

#include <gtest/gtest.h>
#include <random>

TEST(DrawnBoxes, AnswerAsALookAtEveryBoxWould)
{
    std::mt19937 engine(4);
    auto coordinate = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    auto randomBox = [&] {
        // Mostly words and cells; now and then a line across the page or a whole page.
        const int kind = coordinate(0, 9);
        const int w = kind == 0 ? coordinate(2000, 9000) : coordinate(1, 400);
        const int h = kind == 1 ? coordinate(2000, 9000) : kind == 2 ? 1 : coordinate(1, 300);
        return QRect(coordinate(-600, 6000), coordinate(-600, 8000), w, h);
    };
    DrawnBoxes drawn;
    std::vector<QRect> all;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 3000; ++i) {
            const QRect box = randomBox();
            bool expected = false;
            for (const QRect& r : all)
                expected = expected || (r.left() <= box.right() && box.left() <= r.right() && r.top() <= box.bottom() &&
                                        box.top() <= r.bottom());
            ASSERT_EQ(drawn.Touches(box), expected) << i;
            drawn.Add(box);
            all.push_back(box);
        }
        drawn.Clear();
        all.clear();
        EXPECT_FALSE(drawn.Touches(QRect(0, 0, 10000, 10000)));
    }
    // Edges that only meet touch; a pixel apart does not.
    drawn.Add(QRect(QPoint(100, 100), QPoint(355, 355)));
    EXPECT_TRUE(drawn.Touches(QRect(QPoint(355, 355), QPoint(400, 400))));
    EXPECT_FALSE(drawn.Touches(QRect(QPoint(356, 100), QPoint(400, 355))));
    EXPECT_TRUE(drawn.Touches(QRect(QPoint(-300, -300), QPoint(100, 100))));
}
