// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/TicketPrinting.h"
#include "platform/Clock.h"
#include "support/FakePrinters.h"

#include <gtest/gtest.h>

namespace {

NinetyBall::Strip SomeStrip(std::uint64_t seed)
{
    SeededClock clock(seed);
    return NinetyBall::Dealer().Deal([&clock] { return clock.Counter(); });
}

} // namespace

TEST(TicketPrinting, StripsFitInsideTheMarginsUprightAndSideBySide)
{
    // Letter and A4 at 600 dpi, upright and turned, margins of three times the offsets.
    const DeviceCaps papers[] = {{4800, 6300, 150, 150, 600}, {4661, 6715, 150, 150, 600},
                                 {6300, 4800, 150, 150, 600}, {6715, 4661, 150, 150, 600}};
    for (const DeviceCaps& caps : papers)
        for (const int perPage : {1, 2}) {
            const StripLayout layout = LayoutStrips(perPage, caps, 1);
            ASSERT_EQ(static_cast<int>(layout.Strips.size()), perPage);
            EXPECT_GE(layout.CellWidth, layout.CellHeight);
            EXPECT_GT(layout.Gap, layout.CellHeight / 2);
            for (const StripPlace& place : layout.Strips) {
                EXPECT_GE(place.X, 450);
                EXPECT_GE(place.Y, 450);
                EXPECT_LE(place.X + layout.TicketWidth() + 1, caps.HorzRes - 450);
                EXPECT_LE(layout.TicketTop(place.Y, 5) + layout.TicketHeight() + layout.Gap, caps.VertRes - 450);
            }
            if (perPage == 2) { // a cell's width between the strips
                EXPECT_EQ(layout.Strips[1].X - layout.Strips[0].X - layout.TicketWidth(), layout.CellWidth);
            }
        }
    // Upright Letter: the page's height is what limits the cells.
    const StripLayout letter = LayoutStrips(1, papers[0], 1);
    EXPECT_EQ(letter.CellHeight, 239);
    EXPECT_EQ(letter.CellWidth, 382);
}

TEST(TicketPrinting, ATicketShadesItsBlanksAndCentresItsNumbersAtOneSize)
{
    const NinetyBall::Ticket ticket = SomeStrip(3)[0];
    RecordingSurface surface;
    surface.SetFont("Arial", 40, true);
    const int size = TicketNumberPoints(surface, 120, 60);
    // "88" and an "M" in 119 pixels, 2 x size no taller than 53: 26 points.
    EXPECT_EQ(size, 26);
    EXPECT_EQ(surface.Size, 40);
    surface.SetFontSize(size);
    PrintTicket(surface, 100, 200, 120, 60, ticket);

    std::vector<RecordingSurface::Segment> blanks;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 9; ++c) {
            const int n = ticket.Cells[r][c];
            if (n == 0) {
                blanks.push_back({100 + c * 120 + 1, 200 + r * 60 + 1, 100 + c * 120 + 120, 200 + r * 60 + 60});
                continue;
            }
            const QString text = QString::number(n);
            const RecordingSurface::Text drawn{100 + c * 120 + 1 + (119 - 26 * int(text.size())) / 2,
                                               200 + r * 60 + 1 + (59 - 52) / 2, text, 26};
            EXPECT_NE(std::find(surface.Texts.begin(), surface.Texts.end(), drawn), surface.Texts.end()) << n;
        }
    EXPECT_EQ(surface.Shaded, blanks);
    EXPECT_EQ(blanks.size(), 12u);
    EXPECT_EQ(surface.Texts.size(), 15u);
    EXPECT_EQ(surface.Lines.size(), 4u + 10u);
}

TEST(TicketPrinting, AJobOfStripsPagesAndLinesEveryTicket)
{
    FakePrinters printers;
    printers.DeviceCapsValue = {6300, 4800, 150, 150, 600};
    printers.Paper.SetFont("Arial", 12, true);
    StripJob job;
    job.Strips = 3;
    job.PerPage = 2;
    job.GameCode = "K7F2-9QXA";
    QList<int> asked;
    ASSERT_TRUE(RunStripJob(printers, job, [&](int n) { asked << n; return SomeStrip(n); }, {}));
    EXPECT_EQ(asked, (QList<int>{1, 2, 3, 4})); // every page full
    EXPECT_EQ(printers.Calls.count("page"), 1);
    EXPECT_EQ(printers.Paper.Size, 12);
    QStringList lines;
    for (const auto& t : printers.Paper.Texts)
        if (!t.Str.front().isDigit() || t.Str.size() == 1)
            lines << t.Str;
    const QString all = lines.join(QString());
    EXPECT_TRUE(all.contains("Strip 4 \u00b7 Ticket 6 \u00b7 Game K7F2-9QXA"));
    EXPECT_EQ(all.count("\u00b7 Game K7F2-9QXA"), 24);
    EXPECT_EQ(printers.Paper.Shaded.size(), 4u * 6u * 12u);
}
