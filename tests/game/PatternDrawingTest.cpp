// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A pattern drawn with the keyboard: where each key takes the cursor, and what it covers.
#include "game/PatternDrawing.h"

#include <gtest/gtest.h>

TEST(PatternDrawing, TheKeysWalkTheGridToItsEdgesAndSpaceCoversTheCellUnderThem)
{
    using Step = PatternDrawing::Step;
    PatternDrawing drawing;
    drawing.Start(5);
    EXPECT_EQ(drawing.Row(), 2); // the middle
    struct Case {
        Step Key;
        int Row, Column;
        bool Moved;
    };
    const Case walk[] = {
        {Step::Up, 1, 2, true},     {Step::Up, 0, 2, true},      {Step::Up, 0, 2, false}, // the edge holds
        {Step::RowEnd, 0, 4, true}, {Step::Right, 0, 4, false},  {Step::RowStart, 0, 0, true},
        {Step::Left, 0, 0, false},  {Step::Last, 4, 4, true},    {Step::Down, 4, 4, false},
        {Step::First, 0, 0, true},  {Step::Down, 1, 0, true},
    };
    for (const Case& c : walk) {
        EXPECT_EQ(drawing.Move(c.Key), c.Moved) << c.Row << "," << c.Column;
        EXPECT_EQ(drawing.Row(), c.Row);
        EXPECT_EQ(drawing.Column(), c.Column);
    }
    EXPECT_FALSE(drawing.Changed());
    EXPECT_TRUE(drawing.Toggle());
    EXPECT_TRUE(drawing.Covers(1, 0));
    EXPECT_TRUE(drawing.Changed());
    EXPECT_FALSE(drawing.Put(5, 0)); // outside: nothing
    ASSERT_TRUE(drawing.Put(1, 0));
    EXPECT_FALSE(drawing.Toggle());
    EXPECT_EQ(drawing.Cells(), std::vector<bool>(25, false));
    drawing.MarkSaved();
    EXPECT_FALSE(drawing.Changed());
    // Another pattern's cells, or cells of another size left out.
    drawing.Start(3, {true, false, false, false, false, false, false, false, true});
    EXPECT_TRUE(drawing.Covers(2, 2));
    drawing.Start(3, {true});
    EXPECT_EQ(drawing.Cells(), std::vector<bool>(9, false));
}
