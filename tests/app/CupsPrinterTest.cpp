// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The real CUPS route: a page of four cards through the "PDF" queue of cups-pdf, read back
// from the PDF that lands in the queue's output folder. ./test.sh starts cupsd and makes
// the queue when it runs as root; elsewhere the test says why it is skipped.
#include "output/QtPrinters.h"
#include "support/MainWindowFixture.h"
#include "support/NumberCards.h"
#include "support/RequiredTool.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

TEST(CupsPrinter, FourCardsThroughTheCupsPdfQueue)
{
    QtPrinters printers;
    const QStringList names = printers.Names();
    const int queue = static_cast<int>(names.indexOf("PDF"));
    // ./test.sh sets the queue up when it runs as root, and then says where it prints to.
    if (!qEnvironmentVariableIsSet("PLUMWICK_CUPS_PDF_DIR") && (queue < 0 || queue == names.size() - 1))
        GTEST_SKIP() << "no CUPS queue named PDF (./test.sh sets one up with cups-pdf when run as root)";
    SKIP_WITHOUT_TOOL(queue >= 0 && queue < names.size() - 1, "no CUPS queue named PDF");
    const QString outputDir = qEnvironmentVariable("PLUMWICK_CUPS_PDF_DIR", QDir::homePath() + "/PDF");
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

    PreparePrinter(printers, queue, "Arial", 20);
    const DeviceCaps caps = printers.Caps();
    EXPECT_GT(caps.HorzRes, 1000);
    EXPECT_GE(caps.PhysicalOffsetX, 0);
    EXPECT_GE(caps.LogPixelsY, 300);
    ASSERT_TRUE(PrintNumberCards(printers, 4, 4));

    // cups-pdf names its file after the job: "<title>-job_<id>.pdf".
    QString pdf;
    QElapsedTimer waited;
    waited.start();
    while (pdf.isEmpty() && waited.elapsed() < 60000) {
        for (const QFileInfo& f : QDir(outputDir).entryInfoList({"*-job_*.pdf"}, QDir::Files, QDir::Time))
            if (f.lastModified() >= started && f.size() > 0) {
                pdf = f.filePath();
                break;
            }
        if (pdf.isEmpty())
            QThread::msleep(200);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF appeared in " << outputDir.toStdString();
    QThread::msleep(500); // let cups-pdf finish writing
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    text.waitForFinished(30000);
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(page.count(QRegularExpression("B\\s+I\\s+N\\s+G\\s+O")), 4) << page.toStdString();
    EXPECT_EQ(page.count("Free"), 4);
}
