// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardPrinting.h"
#include "output/CellText.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingSurface::Text;

std::vector<Text> Fit(const QString& text, int width, int height, bool wrap, int margin = 1, int size = 10)
{
    RecordingSurface s;
    s.SetFontSize(size);
    FitCellText(s, QRect(0, 0, width, height), text, wrap, margin);
    EXPECT_EQ(s.FontSize(), size) << "size set back";
    return s.Texts;
}

} // namespace

TEST(CellText, OneLineThatFitsIsCentredAtFullSize)
{
    // 4 x 10 = 40 fits 60 less one "M" (10); centred in 60 x 30.
    EXPECT_EQ(Fit("abcd", 60, 30, true), (std::vector<Text>{{10, 5, "abcd", 10}}));
    // A single line is never tested against the height.
    EXPECT_EQ(Fit("ab", 60, 4, true), (std::vector<Text>{{20, -8, "ab", 10}}));
    // A text that fits is not wrapped, even with blanks and word wrap on.
    EXPECT_EQ(Fit("a b", 60, 30, true).size(), 1u);
}

TEST(CellText, ThreeEqualWordsSplitAtTheLaterBalancedBlank)
{
    // "ab ab ab" is 80 wide, more than 50: both blanks leave a difference of 30,
    // and the later split wins.
    const auto texts = Fit("ab ab ab", 60, 100, true);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], (Text{5, 30, "ab ab", 10}));
    EXPECT_EQ(texts[1], (Text{20, 50, "ab", 10}));
}

TEST(CellText, TwoWordsStandOneOverTheOtherEachCentred)
{
    const auto texts = Fit("hello hi", 60, 100, true);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], (Text{5, 30, "hello", 10}));
    EXPECT_EQ(texts[1], (Text{20, 50, "hi", 10}));
}

TEST(CellText, TwoLinesShrinkForWidthThenHeight)
{
    // Each line 50 wide fits 60 less 10; two lines 40 high do not fit 50 less 20:
    // 9 points give 36 > 32, 8 points give 32 <= 34.
    const auto texts = Fit("hello world", 60, 50, true);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Size, 8);
    EXPECT_EQ(texts[0].Y, (50 - 32) / 2);
    EXPECT_EQ(texts[1].Y, (50 - 32) / 2 + 16);
}

TEST(CellText, WordWrapOffAndLongWordsShrinkOnOneLine)
{
    // 11 characters must fit 60 less one "M": 12 s <= 60 gives 5 points.
    EXPECT_EQ(Fit("hello world", 60, 50, false), (std::vector<Text>{{(60 - 55) / 2, (50 - 10) / 2, "hello world", 5}}));
    const auto word = Fit("abcdefghijklmnop", 60, 50, true);
    ASSERT_EQ(word.size(), 1u);
    EXPECT_EQ(word[0].Str, "abcdefghijklmnop");
    EXPECT_EQ(word[0].Size, 3);
}

TEST(CellText, ShrinkingStopsAtOnePoint)
{
    // No room at all: drawn at 1 point instead of looping for ever.
    for (bool wrap : {false, true}) {
        const auto texts = Fit("ab cd", 0, 0, wrap, 1, 40);
        ASSERT_FALSE(texts.empty());
        for (const Text& t : texts)
            EXPECT_EQ(t.Size, 1);
    }
    // From the largest possible size it still ends, and quickly.
    const auto huge = Fit("abc", 10, 10, false, 1, 2147483647);
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_EQ(huge[0].Size, 2);
}

TEST(CellText, PaperDoublesTheMargins)
{
    // "abcde" is 50 wide: it fits 60 less one "M" on screen, not 60 less two on paper,
    // where 7 s <= 60 gives 8 points.
    EXPECT_EQ(Fit("abcde", 60, 60, true, 1)[0].Size, 10);
    RecordingSurface paper;
    paper.SetFontSize(10);
    PrintCellText(paper, 0, 0, 60, 60, "abcde", true);
    ASSERT_EQ(paper.Texts.size(), 1u);
    EXPECT_EQ(paper.Texts[0].Size, 8);
    EXPECT_EQ(paper.FontSize(), 10);
    // Two lines on paper leave two heights of "M": 40 + 40 > 100 - 40 at 10 points.
    RecordingSurface two;
    two.SetFontSize(10);
    PrintCellText(two, 0, 0, 100, 100, "hello world xyz", true);
    ASSERT_EQ(two.Texts.size(), 2u);
    EXPECT_LE(4 * two.Texts[0].Size, 100 - 4 * two.Texts[0].Size);
}

TEST(CellText, BalancedSplitIncludesTheWholeTextOverNothing)
{
    RecordingSurface s;
    s.SetFontSize(1);
    // "a bcdefgh": splitting leaves |1 - 7| = 6, the whole over nothing 9: split wins.
    EXPECT_EQ(BalancedSplit(s, "a bcdefgh").First, "a");
    // Blanks at the ends give empty parts; parts are trimmed.
    const TwoLines lines = BalancedSplit(s, " ab  cd ");
    EXPECT_EQ(lines.First, "ab");
    EXPECT_EQ(lines.Second, "cd");
}

// A wrapped phrase keeps its own direction on both lines: a line of a Hebrew phrase that
// starts with an English word (or of an English phrase that starts with a Hebrew one) is
// marked to read as the phrase does; lines that read so already are left alone.
TEST(CellText, AWrappedPhraseKeepsItsDirectionOnEachLine)
{
    const QString hebrew = QStringLiteral("\u05d0\u05d1\u05d2\u05d3"), other = QStringLiteral("\u05d4\u05d5\u05d6");
    struct Case {
        QString text, first, second;
    } cases[] = {
        {hebrew + " hello " + other, hebrew, QString(QChar(0x200F)) + "hello " + other},
        {"hello " + hebrew + QStringLiteral("\u05d4 x"), "hello", QString(QChar(0x200E)) + hebrew + QStringLiteral("\u05d4 x")},
        {"hello there world", "hello there", "world"},
        {"12 " + hebrew + " 34", "12 " + hebrew, "34"},
    };
    for (const Case& c : cases) {
        const auto texts = Fit(c.text, 60, 200, true);
        ASSERT_EQ(texts.size(), 2u) << c.text.toStdString();
        EXPECT_EQ(texts[0].Str, c.first) << c.text.toStdString();
        EXPECT_EQ(texts[1].Str, c.second) << c.text.toStdString();
    }
}

// A text of thousands of characters is fitted as its beginning and an ellipsis, never
// shaped whole at every size (a 30 MB line took seconds and a gigabyte).
TEST(CellText, AnEndlessWordIsFittedAsItsBeginning)
{
    const auto texts = Fit(QString(5000, u'a'), 60, 30, true);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Str, QString(MaxCellCharacters - 1, u'a') + QChar(0x2026));
}
