// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/SampleCard.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingSurface::Text;
using Line = RecordingSurface::Segment;

SampleCardInput Input(int sizeIndex, bool heading, bool freeSpace, QStringList cells = {})
{
    SampleCardInput input;
    input.Options.SizeIndex = sizeIndex;
    input.Options.Heading = heading;
    input.Options.FreeSpace = freeSpace;
    input.Cells = std::move(cells);
    return input;
}

QStringList Entries(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("e%1").arg(i, 2, 10, QChar('0'));
    return list;
}

// The cell (1-based, reading order) whose box holds the top-left corner of a drawn text.
int CellOf(const Text& t, int colW, int rowH, int cols, bool heading)
{
    const int c = t.X / colW;
    const int r = t.Y / rowH - (heading ? 1 : 0);
    return r * cols + c + 1;
}

} // namespace

TEST(SampleCard, WorkedGeometryOfFiveByFiveWithHeading)
{
    RecordingSurface s;
    PaintSampleCard(s, Input(1, true, true, {"ab"}));

    std::vector<Line> expected = {{0, 0, 0, 312}, {0, 0, 440, 0}};
    for (int y : {52, 104, 156, 208, 260, 312})
        expected.push_back({0, y, 440, y});
    for (int x : {88, 176, 264, 352, 440})
        expected.push_back({x, 0, x, 312});
    EXPECT_EQ(s.Lines, expected);
    EXPECT_EQ(s.Fills, 1);

    // Base size: "Free Space!" (11 characters) must fit 88 less one "M": 7 points.
    const auto shown = s.Visible();
    ASSERT_EQ(shown.size(), 7u);
    // Heading letter 1 in the box 1, 1, 87 x 51.
    EXPECT_EQ(shown[0], (Text{1 + (87 - 7) / 2, 1 + (51 - 14) / 2, "B", 7}));
    EXPECT_EQ(shown[4].Str, "O");
    // Word cell 1 in the box 1, 53, 87 x 51.
    EXPECT_EQ(shown[5], (Text{1 + (87 - 14) / 2, 53 + (51 - 14) / 2, "ab", 7}));
    // The free-space cell in the whole pitch 176, 156, 88 x 52.
    EXPECT_EQ(shown[6], (Text{176 + (88 - 70) / 2, 156 + (52 - 14) / 2, "Free Space", 7}));
}

TEST(SampleCard, RowAndColumnSizesOfEveryCard)
{
    struct Case {
        int size;
        bool heading;
        int rowH, colW;
    };
    for (const Case& c : {Case{0, false, 104, 146}, Case{0, true, 78, 146}, Case{1, false, 62, 88},
                          Case{1, true, 52, 88}, Case{2, false, 44, 62}, Case{2, true, 39, 62}, Case{-1, true, 39, 62}}) {
        CardOptions o;
        o.SizeIndex = c.size;
        o.Heading = c.heading;
        const SampleGrid g = SampleCardGrid(o, 441, 313, 1);
        EXPECT_EQ(g.RowH, c.rowH) << c.size << c.heading;
        EXPECT_EQ(g.ColW, c.colW) << c.size << c.heading;
    }
}

TEST(SampleCard, EntriesSkipTheFreeSpaceAndStopAtTheLastCell)
{
    // 20 entries, free space on: entries 1-12 in cells 1-12, the free space in 13,
    // entries 13-20 in cells 14-21, cells 22-25 empty.
    RecordingSurface s;
    PaintSampleCard(s, Input(1, false, true, Entries(20)));
    int cellCount = 0;
    for (const Text& t : s.Visible()) {
        const int cell = CellOf(t, 88, 62, 5, false);
        if (t.Str == "Free Space") {
            EXPECT_EQ(cell, 13);
            continue;
        }
        const int entry = t.Str.mid(1).toInt();
        EXPECT_EQ(cell, entry < 12 ? entry + 1 : entry + 2) << t.Str.toStdString();
        ++cellCount;
    }
    EXPECT_EQ(cellCount, 20);

    // Free space off: 25 entries fill the card, the 26th is not shown.
    RecordingSurface full;
    PaintSampleCard(full, Input(1, false, false, Entries(26)));
    const auto shown = full.Visible();
    ASSERT_EQ(shown.size(), 25u);
    EXPECT_EQ(shown.back().Str, "e24");
}

TEST(SampleCard, HeadingLettersFollowTheText)
{
    struct Case {
        int size;
        QString heading;
        QStringList letters; // per column, "" for empty
    };
    for (const Case& c : {Case{0, "BINGO", {"B", "I", "N"}},
                          Case{2, "BINGO", {"B", "I", "N", "G", "O"}},
                          Case{1, " BINGO", {"B", "I", "N", "G"}},
                          Case{1, "   ", {}}}) {
        RecordingSurface s;
        SampleCardInput input = Input(c.size, true, false);
        input.Options.HeadingText = c.heading;
        PaintSampleCard(s, input);
        const SampleGrid g = SampleCardGrid(input.Options, 441, 313, 1);
        QStringList heading;
        for (const Text& t : s.Visible())
            if (t.Y < g.RowH)
                heading << t.Str;
        EXPECT_EQ(heading, c.letters) << c.heading.toStdString();
        // A heading row is there even when it shows nothing: one more row of lines.
        EXPECT_EQ(static_cast<int>(s.Lines.size()), 2 + g.Rows + g.Cols);
    }
    // With a leading blank the first heading letter stands in column 2.
    RecordingSurface s;
    SampleCardInput input = Input(1, true, false);
    input.Options.HeadingText = " BINGO";
    PaintSampleCard(s, input);
    EXPECT_GE(s.Visible().front().X, 88);
}

TEST(SampleCard, FontFloorAndRestoredBaseSize)
{
    // A huge stored size shrinks to fit, fast, and every cell starts from the base size.
    RecordingSurface s;
    SampleCardInput input = Input(1, false, false, {"abcdefghijklmnopqrstuvwxyz", "ab"});
    input.FontSize = 2147483647;
    PaintSampleCard(s, input);
    const auto shown = s.Visible();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].Size, 3); // 26 x 3 = 78 fits 87 less one "M" of 3
    EXPECT_EQ(shown[1].Size, 7);
    EXPECT_EQ(s.FontSize(), 7);
}

// A heading letter is one character as a reader sees it: an emoji (two UTF-16 units) or a
// letter with a combining accent keeps to one column, on screen and on paper.
TEST(SampleCard, HeadingLettersAreGraphemeClusters)
{
    struct Case {
        QString heading;
        QStringList letters;
    };
    const Case cases[] = {
        {"BINGO", {"B", "I", "N", "G", "O"}},
        {QString::fromUtf8("\xF0\x9F\x8E\x89" "AB"), {QString::fromUtf8("\xF0\x9F\x8E\x89"), "A", "B"}},
        {QString::fromUtf8("Ce\xCC\x81" "x"), {"C", QString::fromUtf8("e\xCC\x81"), "x"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadingLetters(c.heading), c.letters) << c.heading.toStdString();

    RecordingSurface s;
    SampleCardInput input = Input(0, true, false, Entries(9));
    input.Options.HeadingText = QString::fromUtf8("\xF0\x9F\x8E\x89" "e\xCC\x81" "Z!");
    PaintSampleCard(s, input);
    QStringList heading;
    for (const Text& t : s.Texts)
        if (t.Y < SampleCardGrid(input.Options, input.Width, input.Height, 1).RowH) // the heading row
            heading << t.Str;
    EXPECT_EQ(heading, (QStringList{QString::fromUtf8("\xF0\x9F\x8E\x89"), QString::fromUtf8("e\xCC\x81"), "Z"}));
}

