// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// One seed, one set of cards: what --seed N prints, --seed N --export writes, card for card
// and ticket for ticket, in every format, and a seeded export is the same bytes every run.
#include "support/PrintProcess.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString Normalised(const QString& text) { return text.simplified(); }

// The lines of text of a PDF page (or file), laid out as drawn, blank ones left out.
QStringList LaidOutLines(const QString& pdf, int page = 0)
{
    QStringList arguments{"-layout"};
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    QStringList lines;
    for (const QString& line : ToolOutput("pdftotext", arguments + QStringList{pdf, "-"}).split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << Normalised(line);
    return lines;
}

} // namespace

TEST(SeededExport, TheSameSeedGivesTheSameCardsPrintedOrExported)
{
    TempFolder folder;
    const QString numbers = WriteNumbersList(folder);
    folder.Write("phrases.pwk", "Red kite\r\nBlue tit\r\nWren\r\nRobin\r\nJay\r\nRook\r\nCrow\r\nOwl\r\nSwift\r\n"
                                "Swallow\r\nLark\r\nFinch\r\nHeron\r\nGull\r\nTern\r\nDove\r\nStarling\r\nCoot\r\n"
                                "Moorhen\r\nKestrel\r\nBuzzard\r\nEgret\r\nPlover\r\nCurlew\r\nDunlin\r\nSnipe\r\n");
    struct Case {
        const char* list;
        QStringList printed; // options of both jobs
    };
    const Case cases[] = {{"phrases.pwk", {}}, {"numbers.pwk", {}}, {"phrases.pwk", {"--size", "3", "--no-free-space"}}};
    int run = 0;
    for (const Case& c : cases) {
        const QString pdf = QStringLiteral("p%1.pdf").arg(++run);
        const QString out = QStringLiteral("e%1").arg(run), web = QStringLiteral("w%1").arg(run);
        QDir(folder.Path()).mkpath(out);
        QDir(folder.Path()).mkpath(web);
        const QStringList common = QStringList{"-q", "--seed", "42", "--cards", "4"} + c.printed;
        ASSERT_EQ(RunPlumwickPrint(folder, common + QStringList{"-o", pdf, c.list}).Status, 0);
        ASSERT_EQ(RunPlumwickPrint(folder, common + QStringList{"--export", out, "--format", "pdf", c.list}).Status, 0);
        ASSERT_EQ(RunPlumwickPrint(folder, common + QStringList{"--export", web, "--format", "html", c.list}).Status, 0);
        for (int n = 1; n <= 4; ++n) {
            const QString name = QStringLiteral("card-%1").arg(n, 4, 10, QChar(u'0'));
            const QString page = Normalised(ToolOutput("pdftotext", {"-f", QString::number(n), "-l", QString::number(n),
                                                                     folder.Path(pdf), "-"}));
            EXPECT_EQ(Normalised(ToolOutput("pdftotext", {folder.Path(out + "/" + name + ".pdf"), "-"})), page)
                << c.list << " card " << n;
            // The web page holds the card's words, each in a cell of its own.
            const QString html = QString::fromUtf8(folder.Read(web + "/" + name + ".html"));
            auto cells = QRegularExpression("data-word=\"([^\"]*)\"").globalMatch(html);
            int shown = 0;
            while (cells.hasNext()) {
                const QString word = cells.next().captured(1);
                EXPECT_TRUE(page.contains(word)) << c.list << " card " << n << ": " << word.toStdString();
                ++shown;
            }
            EXPECT_GE(shown, 8) << c.list << " card " << n;
        }
    }
    // Tickets: strip 2's six tickets, exported, are the rows of its printed page.
    ASSERT_EQ(RunPlumwickPrint(folder, {"-q", "--tickets", "--seed", "42", "--strips", "2", "-o", "t.pdf"}).Status, 0);
    QDir(folder.Path()).mkpath("t");
    ASSERT_EQ(RunPlumwickPrint(folder, {"-q", "--tickets", "--seed", "42", "--strips", "2", "--export", "t", "--format", "pdf"}).Status, 0);
    const QStringList page = LaidOutLines(folder.Path("t.pdf"), 2);
    ASSERT_GE(page.size(), 18);
    for (int t = 1; t <= 6; ++t)
        EXPECT_EQ(LaidOutLines(folder.Path(QStringLiteral("t/strip-0002-ticket-%1.pdf").arg(t))), page.mid((t - 1) * 3, 3))
            << "ticket " << t;
}

TEST(SeededExport, ASeededExportIsTheSameBytesEveryRun)
{
    TempFolder folder;
    const QString numbers = WriteNumbersList(folder);
    for (const QString out : {"a", "b"}) {
        QDir(folder.Path()).mkpath(out);
        ASSERT_EQ(RunPlumwickPrint(folder, {"-q", "--seed", "9", "--cards", "2", "--export", out, "--format", "pdf", numbers}).Status, 0);
    }
    for (const QString name : {"card-0001.pdf", "card-0002.pdf"}) {
        EXPECT_EQ(folder.Read("a/" + name), folder.Read("b/" + name)) << name.toStdString();
        EXPECT_TRUE(folder.Read("a/" + name).contains("/CreationDate (D:20000101000009Z)"));
    }
}
