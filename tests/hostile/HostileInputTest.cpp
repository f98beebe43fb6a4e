// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Inputs no well-behaved user makes: each has a clear outcome and loses nothing.
#include "output/CardPrinting.h"
#include "output/PrintJob.h"
#include "output/QtSurface.h"
#include "support/MainWindowFixture.h"

#include <QImage>
#include <QMenu>
#include <QPainter>
#include <sys/stat.h>

namespace {

// The sample card painted for real, on an image.
void PaintOnImage(TFrmMain& w)
{
    QImage image(441, 313, QImage::Format_RGB32);
    QPainter painter(&image);
    QtSurface surface(96, QColor(232, 232, 232));
    surface.Attach(&painter);
    w.PBPaint(surface);
    surface.Attach(nullptr);
}

} // namespace

TEST_F(MainWindowTest, HugeFilesAreRefusedWithAMessage)
{
    TFrmMain& w = Open();
    AddWord("kept");
    w.ListModified = false;
    const QString path = Home.Folder.Path("huge.pwk");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(200LL * 1024 * 1024)); // sparse: 200 MB of NUL bytes
    }
    Asks.ExpectOpen(path);
    Asks.ExpectError(path + ": File too large (the limit is 32 MB)");
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Count(), 0);
    // The window still works and closes.
    AddWord("after");
    Asks.ExpectQuestion("Do you want to save current bingo card?", false);
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, AMillionOneLetterLinesAndBinaryBytesOpen)
{
    TFrmMain& w = Open();
    QByteArray million;
    million.reserve(3000000);
    for (int i = 0; i < 1000000; ++i) {
        million += char('a' + i % 26);
        million += "\r\n";
    }
    Home.Folder.Write("million.pwk", million);
    Asks.ExpectOpen(Home.Folder.Path("million.pwk"));
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Count(), 1000000);
    EXPECT_EQ(w.CardCells.size(), 24); // the card draws only the cells it shows
    PaintOnImage(w);

    // Stray bytes that are no valid UTF-8 open in the code page; a NUL makes it no list.
    static const char start[] = "ok\r\n\x81\x8d inside\r\n\xff\xfe\x80 bad utf-8\r\n";
    QByteArray stray(start, sizeof start - 1);
    for (int i = 0; i < 2000; ++i)
        stray += char(i * 131 % 255 + 1);
    Home.Folder.Write("stray.pwk", stray);
    Asks.ExpectOpen(Home.Folder.Path("stray.pwk"));
    w.MnuFileOpen->trigger();
    EXPECT_TRUE(w.WordList.Items().contains("ok"));
    PaintOnImage(w);
    Home.Folder.Write("binary.pwk", stray + QByteArray(1, '\0'));
    Asks.ExpectOpen(Home.Folder.Path("binary.pwk"));
    Asks.ExpectError("binary.pwk is not a word list");
    w.MnuFileOpen->trigger();
    EXPECT_TRUE(w.WordList.Items().contains("ok"));
}

TEST_F(MainWindowTest, AFolderOrAPipeChosenAsTheFile)
{
    TFrmMain& w = Open();
    Asks.ExpectOpen(Home.Folder.Path());
    Asks.ExpectError(Home.Folder.Path() + ": This is a folder, not a file");
    w.MnuFileOpen->trigger();
    const QByteArray fifo = Home.Folder.Path("pipe.pwk").toLocal8Bit();
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    Asks.ExpectOpen(Home.Folder.Path("pipe.pwk"));
    Asks.ExpectError(Home.Folder.Path("pipe.pwk") + ": This is a device or a pipe, not a file");
    w.MnuFileOpen->trigger();
    AddWord("x");
    Asks.ExpectSave(Home.Folder.Path());
    Asks.ExpectError(Home.Folder.Path() + ": This is a folder, not a file");
    w.MnuFileSave->trigger();
    EXPECT_TRUE(w.ListModified);
}

TEST_F(MainWindowTest, BrokenSettingsFilesGiveTheDefaults)
{
    QByteArray binary;
    for (int i = 0; i < 100000; ++i)
        binary += char(i * 7 % 256);
    QByteArray sections;
    for (int i = 0; i < 10000; ++i)
        sections += "[S" + QByteArray::number(i) + "]\r\nCardSize=2\r\n";
    sections += "[Options]\r\nCardSize=0\r\n";
    QByteArray huge(40LL * 1024 * 1024, ' ');
    struct Case {
        QByteArray bytes;
        int size;
    };
    for (const Case& c : {Case{binary, 1}, Case{sections, 0}, Case{huge, 1}}) {
        WriteSettings(c.bytes);
        TFrmMain& w = Open();
        EXPECT_EQ(w.CboCardSize->currentIndex(), c.size);
        EXPECT_EQ(w.CardFontName, "Arial");
        if (c.bytes.size() > 32 * 1024 * 1024)
            Asks.ExpectError("Unable to write to " + Home.DataFolder() + "/Options.ini");
        w.close();
        Window.reset();
    }
}

TEST_F(MainWindowTest, ExtremeFontSettingsNeitherHangNorCrash)
{
    for (const char* size : {"0", "-5", "2147483647"}) {
        WriteSettings(QByteArray("[Options]\r\nFountName=No Such Face At All\r\nFontSize=") + size + "\r\n");
        TFrmMain& w = Open();
        AddWords({"a word", QString(100000, 'w'), "x"});
        w.TxtHeading->setText(QString(1000, 'H'));
        PaintOnImage(w);
        Window.reset();
    }
}

TEST_F(MainWindowTest, LongWordsOnPaperAndInTheCallList)
{
    FakePrinters printers;
    printers.Paper.SetFont("Arial", 20, true);
    QStringList words(30, "w");
    words[3] = QString(100000, 'x');
    CardOptions options;
    options.HeadingText = QString(1000, 'H');
    PrintCard(printers.Paper, CardPlacement::OnPaper({0, 0}, 300, 6, 5), options, words);
    ASSERT_TRUE(RunCallListJob(printers, words));
    EXPECT_EQ(printers.Paper.Texts.back().Str, "w");
}

TEST_F(MainWindowTest, ASampleTreeWithALoopAndAThousandFolders)
{
    const QString root = Home.DataFolder() + "/SampleLists";
    for (int i = 0; i < 1000; ++i)
        QDir().mkpath(root + QStringLiteral("/Folder%1").arg(i, 4, 10, QChar('0')));
    Home.Folder.Write("Plumwick/SampleLists/Folder0000/List.pwk", "a\r\n");
    ASSERT_TRUE(QFile::link(root, root + "/Folder0000/Back"));
    ASSERT_TRUE(QFile::link(root + "/Folder0001", root + "/Folder0001/Self"));
    TFrmMain& w = Open();
    EXPECT_EQ(w.MnuSample->actions().size(), 1000);
}
