// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// plumwick-print prints a list in the design kept beside it: the title and footer on every
// card, and the logo written once into the PDF however many cards show it (a JPEG as its
// own bytes). A logo that can't be read is said, and the cards print without it.
#include "support/PrintProcess.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

TEST(DesignBatch, TheListsDesignOnEveryCardAndItsLogoWrittenOnce)
{
    TempFolder folder;
    WriteNumbersList(folder);
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(QColor("#3070a0"));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(photo.save(&buffer, "JPEG"));
    folder.Write("logo.jpg", jpeg);
    folder.Write("numbers.design", "[Card Design]\r\nTitle=Spring Fair\r\nFooter=St. Anne's School\r\nBand=#1f4e79\r\n"
                                   "BandText=#ffffff\r\nLogo=logo.jpg\r\n");
    PrintRun run = RunPlumwickPrint(folder, {"--seed", "5", "--cards", "8", "--per-page", "4", "-o", "d.pdf", "numbers.pwk"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QByteArray pdf = folder.Read("d.pdf");
    EXPECT_EQ(pdf.count("/Subtype /Image"), 1);
    EXPECT_EQ(pdf.count("/DCTDecode"), 1);
    EXPECT_TRUE(pdf.contains(jpeg));
    QProcess text;
    text.start("pdftotext", {"-layout", folder.Path("d.pdf"), "-"});
    text.waitForFinished(30000);
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(shown.count("Spring Fair"), 8);
    EXPECT_EQ(shown.count("St. Anne's School"), 8);

    folder.Write("logo.jpg", "damaged");
    run = RunPlumwickPrint(folder, {"--seed", "5", "--cards", "2", "-o", "e.pdf", "numbers.pwk"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Err.contains("The logo could not be used, and the cards have none:")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("logo.jpg"));
    EXPECT_EQ(folder.Read("e.pdf").count("/Subtype /Image"), 0);
}

// A folder of pictures, or a list of them, prints as picture cards; a picture that can't be
// read is named and its cells show its caption.
TEST(DesignBatch, PictureCardsFromAListOrAFolder)
{
    TempFolder folder;
    QDir().mkpath(folder.Path("art"));
    QByteArray list;
    for (int i = 0; i < 9; ++i) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 40, 200, 200));
        ASSERT_TRUE(picture.save(folder.Path(QString("art/p%1.png").arg(i))));
        list += QString("[[picture:art/p%1.png]] Thing %1\r\n").arg(i).toUtf8();
    }
    folder.Write("things.pwk", list);
    PrintRun run = RunPlumwickPrint(folder, {"--size", "3", "--seed", "4", "--cards", "6", "--per-page", "2", "-o", "t.pdf", "things.pwk"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QByteArray pdf = folder.Read("t.pdf");
    EXPECT_EQ(pdf.count("/Subtype /Image"), 9); // each picture once, whatever the cards
    QProcess text;
    text.start("pdftotext", {folder.Path("t.pdf"), "-"});
    text.waitForFinished(30000);
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(shown.simplified().contains("Thing 3"));
    EXPECT_FALSE(shown.contains("[[picture:"));

    // A web page shows each picture as a data: image, which its policy allows, and its caption.
    QDir().mkpath(folder.Path("web"));
    run = RunPlumwickPrint(folder, {"--size", "3", "--seed", "4", "--cards", "1", "--export", "web", "--format", "html", "things.pwk"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QByteArray page = folder.Read("web/card-0001.html");
    EXPECT_TRUE(page.contains("img-src data:;"));
    EXPECT_EQ(page.count("<img src=\"data:image/png;base64,"), 8);
    EXPECT_FALSE(page.contains("[[picture:"));

    run = RunPlumwickPrint(folder, {"--size", "3", "--seed", "4", "--cards", "2", "-o", "f.pdf", "art"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(folder.Read("f.pdf").count("/Subtype /Image"), 9); // two cards show all nine

    folder.Write("art/p0.png", "damaged");
    run = RunPlumwickPrint(folder, {"--size", "3", "--seed", "4", "--cards", "2", "--call-list", "-o", "c.pdf", "things.pwk"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Err.contains("p0.png")) << run.Err.toStdString();
    EXPECT_EQ(folder.Read("c.pdf").count("/Subtype /Image"), 8);
    QDir().mkpath(folder.Path("empty"));
    run = RunPlumwickPrint(folder, {"--size", "3", "-o", "e.pdf", "empty"});
    EXPECT_NE(run.Status, 0);
    EXPECT_TRUE(run.Err.endsWith("This is a folder, not a file.")) << run.Err.toStdString();
}
