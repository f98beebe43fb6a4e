// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardPrinting.h"
#include "output/PrintJob.h"
#include "platform/Printers.h"
#include "support/FakePrinters.h"

#include <gtest/gtest.h>

namespace {

using Text = RecordingSurface::Text;

DeviceCaps Letter600()
{
    return {4800, 6300, 150, 150, 600};
}

std::vector<std::pair<int, int>> Corners(const PageLayout& page)
{
    std::vector<std::pair<int, int>> corners;
    for (const CardPlace& p : page.Cards)
        corners.emplace_back(p.X, p.Y);
    return corners;
}

} // namespace

TEST(CardPrinting, WorkedPageLayouts)
{
    // 5 x 5 with heading: C = 5, R = 6, margins 450, pen 1.
    const PageLayout one = LayoutPage(1, Letter600(), 6, 5, 1);
    EXPECT_EQ(one.Z, 779);
    EXPECT_EQ(Corners(one), (std::vector<std::pair<int, int>>{{452, 813}}));
    const PageLayout two = LayoutPage(2, Letter600(), 6, 5, 1);
    EXPECT_EQ(two.Z, 415);
    EXPECT_EQ(Corners(two), (std::vector<std::pair<int, int>>{{1362, 450}, {1362, 3359}}));
    const PageLayout four = LayoutPage(4, Letter600(), 6, 5, 1);
    EXPECT_EQ(four.Z, 354);
    EXPECT_EQ(Corners(four), (std::vector<std::pair<int, int>>{{450, 450}, {2579, 450}, {450, 3725}, {2579, 3725}}));
}

TEST(CardPrinting, WordsNeededAndPages)
{
    CardOptions o;
    o.SizeIndex = 1;
    o.FreeSpace = true;
    EXPECT_EQ(WordsNeeded(o), 24);
    o.SizeIndex = 0;
    o.FreeSpace = false;
    o.Heading = true;
    EXPECT_EQ(WordsNeeded(o), 9);
    o.SizeIndex = 5;
    EXPECT_EQ(WordsNeeded(o), 49);
    EXPECT_EQ(TooFewWordsMessage(24),
              "Your bingo card needs 24 words at least, please add more words, then try to print it again.");
    EXPECT_EQ(PageCount(5, 2), 3);
    EXPECT_EQ(PageCount(4, 4), 1);
    EXPECT_EQ(PageCount(1, 4), 1);
    EXPECT_EQ(PageCount(99999, 4), 25000);
}

TEST(CardPrinting, HeadingLettersOnPaper)
{
    struct Case {
        int size;
        QString heading;
        QStringList letters;
    };
    for (const Case& c : {Case{2, "BINGO", {"B", "I", "N", "G", "O"}},
                          Case{1, "ABCDEFGHIJ", {"A", "B", "C", "D", "E"}},
                          Case{1, "    ", {}}}) {
        RecordingSurface paper;
        paper.SetFont("Arial", 20, true);
        CardOptions o;
        o.SizeIndex = c.size;
        o.HeadingText = c.heading;
        o.FreeSpace = false;
        const int side = CardSide(c.size);
        PrintCard(paper, CardPlacement::OnPaper({100, 200}, 300, side + 1, side), o, {});
        QStringList letters;
        for (const Text& t : paper.Visible())
            if (t.Y < 200 + 300)
                letters << t.Str;
        EXPECT_EQ(letters, c.letters) << c.heading.toStdString();
        // Grid: left, top, R horizontals, C verticals.
        EXPECT_EQ(paper.Lines.size(), static_cast<size_t>(2 + side + 1 + side));
        EXPECT_EQ(paper.Lines.front(), (RecordingSurface::Segment{100, 200, 100, 200 + 300 * (side + 1)}));
    }
}

TEST(CardPrinting, FreeSpaceTakesTheCentreAndTheNextEntryMovesOn)
{
    RecordingSurface paper;
    paper.SetFont("Arial", 10, true);
    CardOptions o;
    o.Heading = false;
    QStringList cells;
    for (int i = 0; i < 30; ++i)
        cells << QStringLiteral("%1").arg(i);
    PrintCard(paper, CardPlacement::OnPaper({0, 0}, 400, 5, 5), o, cells);
    const auto shown = paper.Visible();
    ASSERT_EQ(shown.size(), 25u);
    // Cell 13 (column 3, row 3) holds the free space, cell 14 entry 12.
    auto cellOf = [](const Text& t) { return (t.Y / 400) * 5 + t.X / 400 + 1; };
    EXPECT_EQ(shown[12].Str, "Free Space");
    EXPECT_EQ(cellOf(shown[12]), 13);
    EXPECT_EQ(shown[13].Str, "12");
    EXPECT_EQ(cellOf(shown[13]), 14);
    // Every text is bold card-size type in a box inset by the pen.
    EXPECT_EQ(shown[0], (Text{1 + (399 - 10) / 2, 1 + (399 - 20) / 2, "0", 10}));
}

TEST(PrintJob, PagesCardsAndArrangementsPerCard)
{
    struct Case {
        int cards, perPage;
        int pages;
    };
    for (const Case& c : {Case{5, 2, 3}, Case{4, 4, 1}, Case{1, 4, 1}, Case{3, 1, 3}}) {
        FakePrinters printers;
        PreparePrinter(printers, 0, "Arial", 20);
        CardJob job;
        job.Cards = c.cards;
        job.PerPage = c.perPage;
        QStringList cells;
        int arranged = 0;
        int progressCalls = 0;
        ASSERT_TRUE(RunCardJob(printers, job, [&] { cells = {QString::number(++arranged)}; }, cells,
                               [&](int, int) { return ++progressCalls > 0; }));
        EXPECT_EQ(arranged, c.pages * c.perPage);
        EXPECT_EQ(printers.Calls.count("page"), c.pages - 1);
        EXPECT_EQ(printers.Calls.first(), "current 0");
        EXPECT_EQ(printers.Calls[1], "title Plumwick");
        EXPECT_EQ(printers.Calls.last(), "end");
        EXPECT_TRUE(printers.Paper.Bold);
        // Each card shows the arrangement made just before it: card k shows entry "k".
        int k = 0;
        for (const Text& t : printers.Paper.Visible()) {
            if (t.Str != "Free Space" && t.Str.size() == 1 && t.Str[0].isDigit()) {
                EXPECT_EQ(t.Str.toInt(), ++k);
            }
        }
        EXPECT_EQ(k, std::min(9, c.pages * c.perPage));
    }
}

TEST(PrintJob, CancelAbortsAndDeclineBeginsNothing)
{
    FakePrinters printers;
    CardJob job;
    job.Cards = 10;
    QStringList cells;
    EXPECT_FALSE(RunCardJob(printers, job, [] {}, cells, [](int done, int) { return done < 3; }));
    EXPECT_EQ(printers.Calls.last(), "abort");
    EXPECT_FALSE(printers.Calls.contains("end"));

    FakePrinters declined;
    declined.DeclineBegin = true;
    EXPECT_FALSE(RunCardJob(declined, job, [] {}, cells, {}));
    EXPECT_TRUE(declined.Calls.isEmpty());
}

TEST(PrintJob, CallListWorkedColumns)
{
    // Recording metrics: 80 points give text 160 high. Page: CH 6300 - 900 = 5400,
    // width 4800 - 900 = 3900.
    {
        FakePrinters printers;
        printers.Paper.SetFont("Arial", 80, true);
        QStringList words;
        for (int i = 0; i < 30; ++i)
            words << QStringLiteral("w%1").arg(i);
        ASSERT_TRUE(RunCallListJob(printers, words));
        for (const Text& t : printers.Paper.Texts)
            EXPECT_EQ(t.X, 450);
        EXPECT_EQ(printers.Paper.Texts.size(), 30u);
    }
    {
        FakePrinters printers;
        printers.Paper.SetFont("Arial", 80, true);
        QStringList words;
        for (int i = 0; i < 75; ++i)
            words << QStringLiteral("w%1").arg(i);
        ASSERT_TRUE(RunCallListJob(printers, words));
        std::map<int, int> perColumn;
        for (const Text& t : printers.Paper.Texts)
            ++perColumn[t.X];
        EXPECT_EQ(perColumn, (std::map<int, int>{{450, 34}, {1750, 34}, {3050, 7}}));
        // The 34th word of a column starts at y = 5280 below the margin.
        EXPECT_EQ(printers.Paper.Texts[33].Y, 450 + 5280);
        EXPECT_EQ(printers.Calls.count("page"), 0);
        EXPECT_EQ(printers.Paper.Texts.front().Str, "w0");
    }
    {
        // A word wider than its column less two "M" shrinks; the next is full size again.
        FakePrinters printers;
        printers.Paper.SetFont("Arial", 80, true);
        ASSERT_TRUE(RunCallListJob(printers, {QString(100, 'x'), "short"}));
        EXPECT_EQ(printers.Paper.Texts[0].Size, 3900 / 102);
        EXPECT_EQ(printers.Paper.Texts[1].Size, 80);
        EXPECT_EQ(printers.Paper.Texts[1].Y, 450 + 2 * (3900 / 102));
    }
    {
        // A long list reports its progress word by word, and Cancel aborts the page.
        FakePrinters printers;
        printers.Paper.SetFont("Arial", 80, true);
        std::vector<int> seen;
        const bool done = RunCallListJob(printers, {"a", "b", "c", "d"}, [&](int doneWords, int total) {
            EXPECT_EQ(total, 4);
            seen.push_back(doneWords);
            return doneWords < 2;
        });
        EXPECT_FALSE(done);
        EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(printers.Paper.Texts.size(), 2u);
        EXPECT_EQ(printers.Calls.count("abort"), 1);
    }
}
