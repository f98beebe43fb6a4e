// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// plumwick-print's paper, even text and cards exported one file each.
#include "support/PrintProcess.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Result = PrintRun;

class PaperAndExportTest : public ::testing::Test {
protected:
    Result Print(const QStringList& arguments) { return RunPlumwickPrint(Folder, arguments); }
    QString Run(const QString& program, const QStringList& arguments) { return ToolOutput(program, arguments); }
    QString Numbers() { return WriteNumbersList(Folder); }
    TempFolder Folder;
};

} // namespace

TEST_F(PaperAndExportTest, PaperNamesInAnyCase)
{
    const QString list = Numbers();
    struct Case {
        const char* name;
        const char* size; // as pdfinfo reports it, in points
    };
    const Case cases[] = {{"letter", "612 x 792"}, {"A4", "595 x 842"}, {"a5", "420 x 595"},
                          {"LEGAL", "612 x 1008"}, {"Tabloid", "792 x 1224"}, {"a3", "842 x 1191"}};
    for (const Case& c : cases) {
        ASSERT_EQ(Print({"-q", "--seed", "1", "--paper", c.name, "-o", "p.pdf", list}).Status, 0) << c.name;
        EXPECT_TRUE(Run("pdfinfo", {Folder.Path("p.pdf")}).contains(QRegularExpression(QString("Page size: +") + c.size + " pts")))
            << c.name;
    }
    // Without --paper, the paper Page Setup chose for the PDF printer, as the window prints,
    // for cards and for the exported PDFs alike.
    Folder.Write("home/Plumwick/Options.ini", "[Paper]\r\nPrint to PDF=Legal\r\n");
    ASSERT_EQ(Print({"-q", "--seed", "1", "-o", "p.pdf", list}).Status, 0);
    EXPECT_TRUE(Run("pdfinfo", {Folder.Path("p.pdf")}).contains(QRegularExpression("Page size: +612 x 1008 pts")));
    ASSERT_EQ(Print({"-q", "--seed", "1", "--paper", "a4", "-o", "p.pdf", list}).Status, 0);
    EXPECT_TRUE(Run("pdfinfo", {Folder.Path("p.pdf")}).contains(QRegularExpression("Page size: +595 x 842 pts")));
    const Result bad = Print({"--paper", "b5", list});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_TRUE(bad.Err.contains("(letter,legal,tabloid,a3,a4,a5)")) << bad.Err.toStdString();
}

TEST_F(PaperAndExportTest, SameTextSizeDrawsEveryWordAtOneSize)
{
    Folder.Write("zoo.pwk", "I\r\nB\r\nA rather long phrase here\r\nGiraffe\r\nZebra\r\nOkapi\r\nElephant\r\nRhinoceros\r\n"
                            "Hippopotamus\r\nW\r\n");
    auto heights = [&](const QStringList& extra) {
        EXPECT_EQ(Print(QStringList{"-q", "--seed", "3", "--size", "3", "--no-free-space", "--cards", "2",
                                    "--font-size", "48", "-o", "z.pdf"} + extra + QStringList{Folder.Path("zoo.pwk")})
                      .Status,
                  0);
        // Word heights on the page, by text, the heading row (B, I, N in the first row) aside.
        static const QRegularExpression word(R"RX(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)RX");
        const QString html = Run("pdftotext", {"-bbox", Folder.Path("z.pdf"), "-"});
        QSet<int> all;
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            all << qRound((m.captured(2).toDouble() - m.captured(1).toDouble()) * 10);
        }
        return all;
    };
    const QSet<int> alone = heights({"--no-same-text-size"});
    const QSet<int> even = heights({"--same-text-size"});
    EXPECT_GT(alone.size(), 3);
    // With the same size: the heading's one size and the words' one size, nothing else.
    EXPECT_LE(even.size(), 2) << even.size();
}

TEST_F(PaperAndExportTest, CardsExportedOneFileEach)
{
    const QString list = Numbers();
    QDir().mkpath(Folder.Path("out"));
    ASSERT_EQ(Print({"-q", "--export", Folder.Path("out"), "--cards", "5", "--paper", "a4", list}).Status, 0);
    EXPECT_EQ(QDir(Folder.Path("out")).entryList(QDir::Files),
              (QStringList{"card-0001.png", "card-0002.png", "card-0003.png", "card-0004.png", "card-0005.png"}));
    // A 5 x 5 card with heading at 300 dpi on A4, one to a page: 2480 x 3508 pixels with a
    // quarter-inch border leave 2330 x 3358, margins of three borders (225), so the cell is
    // (2330 - 450 - 1) / 5 = 375; the card and a cell all round: 7 x 375 + 1 by 8 x 375 + 1.
    const QImage card(Folder.Path("out/card-0003.png"));
    EXPECT_EQ(card.size(), QSize(7 * 375 + 1, 8 * 375 + 1));
    EXPECT_EQ(qGray(card.pixel(5, 5)), 255);                 // white margin
    EXPECT_LT(qGray(card.pixel(375, 375 + 100)), 128);       // the grid's left edge
    EXPECT_LT(qGray(card.pixel(375 + 100, 375)), 128);       // and its top
    EXPECT_NEAR(card.dotsPerMeterX(), 300 / 0.0254, 1);
    // A file that is there is never written over.
    const QByteArray before = Folder.Read("out/card-0002.png");
    const Result again = Print({"-q", "--export", Folder.Path("out"), "--cards", "2", list});
    EXPECT_EQ(again.Status, 1);
    EXPECT_TRUE(again.Err.endsWith("card-0001.png is already there; remove it or export to another folder."));
    EXPECT_EQ(Folder.Read("out/card-0002.png"), before);
    // A game's cards carry its code in their names, as PDF files of one page.
    QDir().mkpath(Folder.Path("game"));
    ASSERT_EQ(Print({"-q", "--numbered", "--export", Folder.Path("game"), "--format", "pdf", "--cards", "2", list}).Status, 0);
    const QStringList games = QDir(Folder.Path("game")).entryList(QDir::Files);
    ASSERT_EQ(games.size(), 2);
    EXPECT_TRUE(QRegularExpression("^[0-9A-Z]{4}-[0-9A-Z]{4}-card-0002\\.pdf$").match(games[1]).hasMatch()) << games[1].toStdString();
    EXPECT_TRUE(Run("pdfinfo", {Folder.Path("game/" + games[1])}).contains(QRegularExpression("Pages: +1\n")));
    EXPECT_TRUE(Run("pdftotext", {Folder.Path("game/" + games[1]), "-"}).contains("Card 2 \u00b7 Game"));
    EXPECT_EQ(Print({"--export", Folder.Path("nothing-here"), list}).Status, 1);
}

// Web pages of cards: named like the other files, the same bytes for the same seed or game,
// each card's own words and key, the game's card line.
TEST_F(PaperAndExportTest, CardsExportedAsWebPagesAreRepeatable)
{
    const QString list = Numbers();
    for (const char* folder : {"a", "b", "game", "again"})
        QDir().mkpath(Folder.Path(folder));
    for (const char* folder : {"a", "b"})
        ASSERT_EQ(Print({"-q", "--export", Folder.Path(folder), "--format", "html", "--cards", "3", "--seed", "9", list}).Status, 0);
    EXPECT_EQ(QDir(Folder.Path("a")).entryList(QDir::Files), (QStringList{"card-0001.html", "card-0002.html", "card-0003.html"}));
    for (const char* name : {"card-0001.html", "card-0002.html", "card-0003.html"})
        EXPECT_EQ(Folder.Read(QStringLiteral("a/") + name), Folder.Read(QStringLiteral("b/") + name)) << name;
    const QByteArray first = Folder.Read("a/card-0001.html");
    const QByteArray second = Folder.Read("a/card-0002.html");
    EXPECT_NE(first, second);
    const QRegularExpression key("data-key=\"card-1-[0-9a-f]{16}\"");
    EXPECT_TRUE(key.match(QString::fromUtf8(first)).hasMatch());
    // A game's pages, and the same pages again from its code.
    const Result game = Print({"-q", "--numbered", "--export", Folder.Path("game"), "--format", "html", "--cards", "2", list});
    ASSERT_EQ(game.Status, 0);
    const QString code = game.Out.trimmed().section(u' ', -1);
    ASSERT_EQ(Print({"-q", "--game", code, "--export", Folder.Path("again"), "--format", "html", "--cards", "2", list}).Status, 0);
    const QString name = code + "-card-0002.html";
    EXPECT_EQ(Folder.Read("game/" + name), Folder.Read("again/" + name));
    EXPECT_TRUE(Folder.Read("game/" + name).contains(("Card 2 \u00b7 Game " + code).toUtf8()));
    EXPECT_TRUE(Folder.Read("game/" + name).contains(("data-key=\"" + code + "-card-2\"").toUtf8()));
}
