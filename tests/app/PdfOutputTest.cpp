// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Real PDF files from the built-in PDF printer, read back with pdftotext.
#include "output/QtPrinters.h"
#include "support/MainWindowFixture.h"
#include "support/NumberCards.h"
#include "support/RequiredTool.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

struct PdfWord {
    int Page;
    double X, Y; // centre, in 600-dpi pixels of the printable area
    QString Text;
};

std::vector<PdfWord> ReadWords(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    std::vector<PdfWord> words;
    int page = -1;
    static const QRegularExpression tag(
        R"RX(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)RX");
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        const double k = 600.0 / 72.0;
        words.push_back({page, (m.captured(1).toDouble() + m.captured(3).toDouble()) / 2 * k - 150,
                         (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2 * k - 150, m.captured(5)});
    }
    return words;
}

bool HavePdfToText()
{
    return QProcess::execute("pdftotext", {"-v"}) == 0;
}

// The built-in PDF printer made current, writing to a file on a paper, with the card font.
void UsePdfPrinter(QtPrinters& printers, const QString& pdf, QPageSize::PageSizeId paper)
{
    printers.SetPdfOutput(pdf);
    printers.SetPdfPaper(paper);
    PreparePrinter(printers, static_cast<int>(printers.Names().size()) - 1, "Arial", 20);
}

} // namespace

TEST_F(MainWindowTest, TwentyNumberCardsFourToAPageFollowTheColumns)
{
    SKIP_WITHOUT_TOOL(HavePdfToText(), "pdftotext (poppler-utils) is not installed");
    QtPrinters printers;
    const QString pdf = Home.Folder.Path("cards.pdf");
    UsePdfPrinter(printers, pdf, QPageSize::Letter);
    const DeviceCaps caps = printers.Caps();
    EXPECT_EQ(caps.HorzRes, 4800);
    EXPECT_EQ(caps.VertRes, 6300);
    EXPECT_EQ(caps.PhysicalOffsetX, 150);
    EXPECT_EQ(caps.LogPixelsY, 600);

    ASSERT_TRUE(PrintNumberCards(printers, 20, 4));
    EXPECT_EQ(QDir(Home.Folder.Path()).entryList(QDir::Files), QStringList{"cards.pdf"});

    const auto found = ReadWords(pdf);
    const int z = 354;
    const int xs[] = {450, 2579};
    const int ys[] = {450, 3725};
    // card -> cell -> text
    std::map<int, std::map<int, QString>> byCard;
    int pages = 0;
    for (const PdfWord& w : found) {
        pages = std::max(pages, w.Page + 1);
        const int cx = w.X < 2579 ? 0 : 1;
        const int cy = w.Y < 3725 ? 0 : 1;
        const int col = static_cast<int>((w.X - xs[cx]) / z);
        const int row = static_cast<int>((w.Y - ys[cy]) / z);
        QString& cell = byCard[w.Page * 4 + cy * 2 + cx][row * 5 + col];
        cell = cell.isEmpty() ? w.Text : cell + " " + w.Text;
    }
    EXPECT_EQ(pages, 5);
    ASSERT_EQ(byCard.size(), 20u);
    for (const auto& [card, cellsOfCard] : byCard) {
        QSet<int> seen;
        for (const auto& [cell, text] : cellsOfCard) {
            const int row = cell / 5;
            const int col = cell % 5;
            if (row == 0) {
                EXPECT_EQ(text, QString("BINGO"[col])) << card;
            } else if (row == 3 && col == 2) {
                EXPECT_EQ(text, "Free Space") << card;
            } else {
                const int n = text.toInt();
                EXPECT_EQ((n - 1) / 15, col) << "card " << card << " holds " << n << " in column " << col;
                EXPECT_FALSE(seen.contains(n));
                seen.insert(n);
            }
        }
        EXPECT_EQ(seen.size(), 24) << card;
    }
}

TEST_F(MainWindowTest, CallListPdfKeepsListOrderOnOnePage)
{
    SKIP_WITHOUT_TOOL(HavePdfToText(), "pdftotext (poppler-utils) is not installed");
    QtPrinters printers;
    const QString pdf = Home.Folder.Path("calls.pdf");
    UsePdfPrinter(printers, pdf, QPageSize::A4);
    WordList list;
    for (int i = 0; i < 100; ++i)
        list.Insert(QStringLiteral("word%1").arg(i * 37 % 100));
    ASSERT_TRUE(RunCallListJob(printers, list.Items()));
    const auto found = ReadWords(pdf);
    QStringList order;
    for (const PdfWord& w : found) {
        EXPECT_EQ(w.Page, 0);
        order << w.Text;
    }
    EXPECT_EQ(order, list.Items());
}

TEST_F(MainWindowTest, CancelledPdfLeavesNothingBehind)
{
    QtPrinters printers([] { return std::optional<QString>(); });
    PreparePrinter(printers, static_cast<int>(printers.Names().size()) - 1, "Arial", 20);
    CardJob job;
    QStringList cells;
    EXPECT_FALSE(RunCardJob(printers, job, [] {}, cells, {}));

    QtPrinters named;
    Home.Folder.Write("half.pdf", "old");
    UsePdfPrinter(named, Home.Folder.Path("half.pdf"), QPageSize::A4);
    job.Cards = 50;
    EXPECT_FALSE(RunCardJob(named, job, [] {}, cells, [](int done, int) { return done < 10; }));
    EXPECT_EQ(Home.Folder.Read("half.pdf"), "old");
    EXPECT_EQ(QDir(Home.Folder.Path()).entryList(QDir::Files), QStringList{"half.pdf"});
}
