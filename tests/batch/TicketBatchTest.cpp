// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// plumwick-print --tickets: strips on paper read back whole, a game printed again and its
// tickets checked, two strips a landscape page, and what a ticket job refuses.
#include "support/PrintProcess.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class TicketBatchTest : public ::testing::Test {
protected:
    PrintRun Print(const QStringList& arguments) { return RunPlumwickPrint(Folder, arguments); }
    // Each ticket's three rows of numbers, as pdftotext reads them (a ticket's line ends it).
    QList<QStringList> TicketsIn(const QString& pdf)
    {
        QList<QStringList> tickets;
        for (const QString& part : ToolOutput("pdftotext", {"-raw", Folder.Path(pdf), "-"})
                                       .split(QRegularExpression("Strip \\d+ \u00b7 Ticket \\d \u00b7 Game \\S+\n?"),
                                              Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty())
                tickets << part.trimmed().split('\n');
        return tickets;
    }
    TempFolder Folder;
};

} // namespace

TEST_F(TicketBatchTest, AGamesStripsHoldEveryNumberOnceAndAreMadeAndCheckedAgainFromTheCode)
{
    const PrintRun game = Print({"-q", "--tickets", "--numbered", "--strips", "2", "-o", "game.pdf"});
    ASSERT_EQ(game.Status, 0) << game.Err.toStdString();
    const QRegularExpressionMatch m = QRegularExpression("^Game code: ([0-9A-Z]{4}-[0-9A-Z]{4})\n$").match(game.Out);
    ASSERT_TRUE(m.hasMatch()) << game.Out.toStdString();
    const QString code = m.captured(1);
    EXPECT_EQ(ToolOutput("pdfinfo", {Folder.Path("game.pdf")}).count(QRegularExpression("Pages:\\s+2\n")), 1);
    const QString text = ToolOutput("pdftotext", {"-raw", Folder.Path("game.pdf"), "-"});
    for (int t = 1; t <= 6; ++t)
        EXPECT_TRUE(text.contains(QString("Strip 2 \u00b7 Ticket %1 \u00b7 Game %2").arg(t).arg(code)));

    const QList<QStringList> tickets = TicketsIn("game.pdf");
    ASSERT_EQ(tickets.size(), 12);
    for (int strip = 0; strip < 2; ++strip) {
        QList<int> numbers;
        for (int t = 0; t < 6; ++t) {
            const QStringList& rows = tickets[strip * 6 + t];
            ASSERT_EQ(rows.size(), 3);
            for (const QString& row : rows) {
                const QStringList cells = row.split(' ');
                EXPECT_EQ(cells.size(), 5) << row.toStdString();
                for (const QString& cell : cells)
                    numbers << cell.toInt();
            }
        }
        std::sort(numbers.begin(), numbers.end());
        QList<int> all;
        for (int n = 1; n <= 90; ++n)
            all << n;
        EXPECT_EQ(numbers, all) << "strip " << strip + 1;
    }

    // The same strips from the code in another run; a plain job with a seed is repeatable.
    ASSERT_EQ(Print({"-q", "--tickets", "--game", code, "--strips", "2", "-o", "again.pdf"}).Status, 0);
    EXPECT_EQ(TicketsIn("again.pdf"), tickets);
    ASSERT_EQ(Print({"-q", "--tickets", "--seed", "7", "-o", "a.pdf"}).Status, 0);
    ASSERT_EQ(Print({"-q", "--tickets", "--seed", "7", "-o", "b.pdf"}).Status, 0);
    EXPECT_EQ(Folder.Read("a.pdf"), Folder.Read("b.pdf"));
    EXPECT_NE(TicketsIn("a.pdf"), tickets.mid(0, 6));

    // Ticket 8 of the game is ticket 2 of strip 2: its numbers as printed, none called.
    const PrintRun byNumber = Print({"--tickets", "--check", code, "--ticket", "8", "--called", "/dev/null"});
    const PrintRun byStrip = Print({"--tickets", "--check", code, "--strip", "2", "--ticket", "2", "--called", "/dev/null"});
    EXPECT_EQ(byNumber.Status, 4) << byNumber.Err.toStdString();
    EXPECT_EQ(byNumber.Out, byStrip.Out);
    QStringList lines = byNumber.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << byNumber.Out.toStdString();
    EXPECT_EQ(lines[0], "Strip 2, ticket 2 of game " + code);
    QStringList rows;
    for (int r = 1; r <= 3; ++r) {
        QStringList cells = lines[r].split('\t');
        EXPECT_EQ(cells.size(), 9);
        cells.removeAll("-");
        rows << cells.join(' ');
    }
    EXPECT_EQ(rows, tickets[7]);

    // Its second row called wins one line, not two; all three rows make a full house.
    Folder.Write("called.txt", rows[1].split(' ').join("\n").toUtf8());
    const PrintRun line = Print({"--tickets", "--check", code, "--ticket", "8", "--called", Folder.Path("called.txt")});
    EXPECT_EQ(line.Status, 0);
    EXPECT_TRUE(line.Out.endsWith("Bingo: row 2\n")) << line.Out.toStdString();
    EXPECT_EQ(Print({"--tickets", "--check", code, "--ticket", "8", "--called", Folder.Path("called.txt"), "--pattern",
                     "two-lines"})
                  .Status,
              4);
    Folder.Write("called.txt", rows.join(' ').split(' ').join("\n").toUtf8());
    const PrintRun house = Print({"--tickets", "--check", code, "--ticket", "8", "--called", Folder.Path("called.txt"),
                                  "--pattern", "full-house"});
    EXPECT_EQ(house.Status, 0);
    EXPECT_TRUE(house.Out.endsWith("Bingo: full house\n")) << house.Out.toStdString();
}

TEST_F(TicketBatchTest, TwoStripsStandSideBySideOnLandscapePages)
{
    const PrintRun run = Print({"-q", "--tickets", "--strips", "3", "--per-page", "2", "--paper", "a4", "-o", "two.pdf"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QString info = ToolOutput("pdfinfo", {Folder.Path("two.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595"))) << info.toStdString();
    // Four strips on two pages: every page holds each number twice.
    const QString page = ToolOutput("pdftotext", {"-f", "2", "-l", "2", "-raw", Folder.Path("two.pdf"), "-"});
    QMap<int, int> counts;
    for (const QString& n : page.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        ++counts[n.toInt()];
    EXPECT_EQ(counts.size(), 90);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        EXPECT_EQ(it.value(), 2) << it.key();
}

TEST_F(TicketBatchTest, WhatATicketJobRefusesIsSaidAndNothingIsWritten)
{
    const QString numbers = WriteNumbersList(Folder); // 1 to 75
    const PrintRun cards = Print({"-q", "--numbered", "-o", "cards.pdf", numbers});
    ASSERT_EQ(cards.Status, 0);
    const QString cardCode = cards.Out.mid(11, 9);
    struct Case {
        QStringList arguments;
        int status;
        QString message;
    };
    const QList<Case> cases = {
        {{"--tickets", "--cards", "5"}, 2, "use --strips N, not --cards"},
        {{"--tickets", "--per-page", "4"}, 2, "not 4"},
        {{"--tickets", "--size", "5"}, 2, "no card size"},
        {{"--tickets", "--pattern", "corners"}, 2, "line, two-lines or full-house"},
        {{"--tickets", "--check", "MSNH-G68J", "--strip", "2", "--ticket", "7", "--called", "/dev/null"}, 2, "tickets 1 to 6"},
        {{"--tickets", "--check", "MSNH-G68J", "--called", "/dev/null"}, 2, "needs --ticket T"},
        {{"--strips", "3", numbers}, 2, "go with --tickets"},
        {{"--tickets", numbers}, 1, "numbers.pwk is not the numbers 1 to 90"},
        {{"--tickets", "--game", cardCode}, 1, "a game of cards, not of tickets"},
        {{"--tickets", "--check", cardCode, "--ticket", "1", "--called", "/dev/null"}, 1, "a game of cards"},
    };
    for (const Case& c : cases) {
        const PrintRun r = Print(c.arguments + QStringList{"-o", "refused.pdf"});
        EXPECT_EQ(r.Status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.Err.contains(c.message)) << r.Err.toStdString();
        EXPECT_FALSE(QFile::exists(Folder.Path("refused.pdf")));
    }
    // A list of exactly 1 to 90, in any order, is taken.
    QByteArray list;
    for (int n = 90; n >= 1; --n)
        list += QByteArray::number(n) + "\r\n";
    Folder.Write("ninety.pwk", list);
    EXPECT_EQ(Print({"-q", "--tickets", Folder.Path("ninety.pwk")}).Status, 0);
    EXPECT_TRUE(QFile::exists(Folder.Path("ninety.pdf")));
}

TEST_F(TicketBatchTest, TicketsExportAFileEachAsTheyPrint)
{
    const PrintRun game = Print({"-q", "--tickets", "--numbered", "--strips", "2", "--export", Folder.Path()});
    ASSERT_EQ(game.Status, 0) << game.Err.toStdString();
    const QString code = game.Out.mid(11, 9);
    QStringList pngs = QDir(Folder.Path()).entryList({"*.png"});
    ASSERT_EQ(pngs.size(), 12);
    EXPECT_EQ(pngs.front(), code + "-strip-0001-ticket-1.png");
    EXPECT_EQ(pngs.back(), code + "-strip-0002-ticket-6.png");
    // The strip exported is the strip printed; a ticket's PDF reads back as its three rows.
    ASSERT_EQ(Print({"-q", "--tickets", "--game", code, "--strips", "2", "-o", "game.pdf"}).Status, 0);
    const QList<QStringList> printed = TicketsIn("game.pdf");
    QDir().mkpath(Folder.Path("pdf"));
    ASSERT_EQ(Print({"-q", "--tickets", "--game", code, "--strips", "2", "--export", "pdf", "--format", "pdf"}).Status, 0);
    EXPECT_EQ(TicketsIn("pdf/" + code + "-strip-0002-ticket-3.pdf"), printed.mid(8, 1));
    EXPECT_TRUE(ToolOutput("pdfinfo", {Folder.Path("pdf/" + code + "-strip-0002-ticket-3.pdf")})
                    .contains("Strip 2 \u00b7 Ticket 3 \u00b7 Game " + code));
    // Never over a file that is there.
    const PrintRun again = Print({"-q", "--tickets", "--game", code, "--export", Folder.Path()});
    EXPECT_EQ(again.Status, 1);
    EXPECT_TRUE(again.Err.contains("is already there")) << again.Err.toStdString();

    // Web pages: the same bytes for the same seed, each ticket's numbers as buttons.
    for (const QString& name : {QStringLiteral("a"), QStringLiteral("b")}) {
        QDir().mkpath(Folder.Path(name));
        ASSERT_EQ(Print({"-q", "--tickets", "--seed", "9", "--export", name, "--format", "html"}).Status, 0);
    }
    const QByteArray page = Folder.Read("a/strip-0001-ticket-4.html");
    EXPECT_EQ(page, Folder.Read("b/strip-0001-ticket-4.html"));
    EXPECT_EQ(page.count("class=\"cell\""), 15);
    EXPECT_EQ(page.count("class=\"blank\""), 12);
    EXPECT_TRUE(page.contains("default-src 'none'"));
}
