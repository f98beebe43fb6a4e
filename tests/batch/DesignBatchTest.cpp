// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// plumwick-print prints a list in the design kept beside it: the title and footer on every
// card, and the logo written once into the PDF however many cards show it (a JPEG as its
// own bytes). A logo that can't be read is said, and the cards print without it.
#include "support/PrintProcess.h"

#include <QBuffer>
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
