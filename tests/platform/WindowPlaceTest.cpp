// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A window's frame placed wholly within its screen's free area.
#include "platform/WindowPlace.h"

#include <gtest/gtest.h>

TEST(WindowPlace, TheWholeFrameLiesInTheFreeArea)
{
    const QRect laptop(0, 28, 1366, 740); // 1366 x 768 less a top panel
    struct Case {
        const char* what;
        QRect frame;
        QRect placed;
    };
    const Case cases[] = {
        {"inside: stays", {100, 100, 760, 560}, {100, 100, 760, 560}},
        {"above and left of the screen", {-39, -16, 760, 560}, {0, 28, 760, 560}},
        {"grown past the bottom right by sharing", {300, 200, 1153, 674}, {213, 94, 1153, 674}},
        {"taller than the free area: cut", {300, 200, 1153, 900}, {213, 28, 1153, 740}},
        {"wider and taller: the whole area", {-500, -500, 4000, 3000}, {0, 28, 1366, 740}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceWithin(c.frame, laptop), c.placed) << c.what;
    // Centred over a main window in the top-left corner: moved in, not half off the screen.
    EXPECT_EQ(PlaceCentred({760, 560}, {341, 262}, laptop), QRect(0, 28, 760, 560));
    EXPECT_EQ(PlaceCentred({760, 560}, {683, 398}, laptop), QRect(304, 119, 760, 560));
    EXPECT_EQ(PlaceWithin({10, 10, 50, 50}, QRect()), QRect(10, 10, 50, 50)); // no screen known
}
