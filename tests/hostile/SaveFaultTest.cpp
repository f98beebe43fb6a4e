// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Saves that fail part way (a full disk, a process killed in the middle) leave the old
// file exactly as it was.
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"
#include "support/PrintProcess.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// Whether the process has a file open for writing in the folder, with data in it: its
// unnamed temporary file ("/folder/#123 (deleted)") or a named one.
bool WritingInto(qint64 pid, const QString& folder)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = fd.symLinkTarget();
        struct stat info {};
        if (target.startsWith(folder + u'/') && !target.endsWith(QStringLiteral(".pwk")) &&
            !target.endsWith(QStringLiteral("Options.ini")) &&
            ::stat(QFile::encodeName(fd.filePath()).constData(), &info) == 0 && info.st_size > 0)
            return true;
    }
    return false;
}

// Starts the child, waits until its temporary file has data, and kills it there.
void KillMidWrite(const QStringList& args, const QString& folder)
{
    QProcess child;
    child.start(SAVE_CHILD, args);
    ASSERT_TRUE(child.waitForStarted());
    QElapsedTimer timer;
    timer.start();
    bool caught = false;
    while (!caught && timer.elapsed() < 30000 && child.state() == QProcess::Running) {
        caught = WritingInto(child.processId(), folder);
        if (!caught)
            QThread::usleep(200);
    }
    child.kill();
    child.waitForFinished();
    EXPECT_TRUE(caught) << "the child finished before it could be killed";
}

QStringList Entries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

} // namespace

TEST(SaveFaults, AKilledSaveLeavesTheOldListIntact)
{
    TempFolder folder;
    folder.Write("list.pwk", "old\r\nlist\r\n");
    KillMidWrite({"list", folder.Path("list.pwk"), "300"}, folder.Path());
    EXPECT_EQ(folder.Read("list.pwk"), "old\r\nlist\r\n");
    EXPECT_EQ(Entries(folder.Path()), QStringList{"list.pwk"}); // and nothing half-written beside it
}

TEST(SaveFaults, AKilledSettingsWriteLeavesTheOldFileIntact)
{
    TempFolder folder;
    QByteArray settings = "[Options]\r\nTxtHeading=OLD\r\n";
    settings += "[Padding]\r\n" + QByteArray(30 * 1024 * 1024, 'x') + "=1\r\n";
    folder.Write("Options.ini", settings);
    KillMidWrite({"settings", folder.Path("Options.ini")}, folder.Path());
    EXPECT_EQ(folder.Read("Options.ini"), settings);
    EXPECT_EQ(Entries(folder.Path()), QStringList{"Options.ini"});
    EXPECT_EQ(ProfileFile(folder.Path("Options.ini")).ReadString("Options", "TxtHeading", ""), "OLD");
}

TEST(SaveFaults, AFullDiskLeavesTheOldFileAndNoDebris)
{
    TempFolder folder;
    const QByteArray mountPoint = folder.Path().toLocal8Bit();
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "can't mount a small tmpfs here (needs root)";
    struct Unmount {
        QByteArray Path;
        ~Unmount() { ::umount(Path.constData()); }
    } unmount{mountPoint};

    folder.Write("list.pwk", "old\r\n");
    folder.Write("Options.ini", "[Options]\r\nCardSize=2\r\n");
    QByteArray big;
    while (big.size() < 1024 * 1024)
        big += "a word that does not fit\r\n";
    try {
        TextFile::WriteAll(folder.Path("list.pwk"), big);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.Text(), folder.Path("list.pwk") + ": Disk full");
    }
    EXPECT_EQ(folder.Read("list.pwk"), "old\r\n");
    ProfileFile settings(folder.Path("Options.ini"));
    EXPECT_THROW(settings.WriteString("Options", "TxtHeading", QString(600 * 1024, 'x')), PlatformError);
    EXPECT_EQ(folder.Read("Options.ini"), "[Options]\r\nCardSize=2\r\n");
    EXPECT_EQ(Entries(folder.Path()), (QStringList{"Options.ini", "list.pwk"}));

    // A PDF and exported cards that don't fit say which file and why, and leave nothing.
    WriteNumbersList(folder);
    PrintRun pdf = RunPlumwickPrint(folder, {"--seed", "1", "--cards", "600", "-o", "cards.pdf", "numbers.pwk"});
    EXPECT_EQ(pdf.Status, 1);
    EXPECT_EQ(pdf.Err, "plumwick-print: cards.pdf: Disk full.");
    ASSERT_TRUE(QDir().mkpath(folder.Path("out")));
    PrintRun png = RunPlumwickPrint(folder, {"--seed", "1", "--cards", "600", "--export", "out", "numbers.pwk"});
    EXPECT_EQ(png.Status, 1);
    EXPECT_TRUE(png.Err.startsWith("plumwick-print: out/card-0")) << png.Err.toStdString();
    EXPECT_TRUE(png.Err.endsWith(".png: Disk full.")) << png.Err.toStdString();
    EXPECT_FALSE(png.Err.contains(".pdf"));
    EXPECT_EQ(Entries(folder.Path()), (QStringList{"Options.ini", "list.pwk", "numbers.pwk"}));
}
