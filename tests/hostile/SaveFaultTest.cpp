// Saves that fail part way (a full disk, a process killed in the middle) leave the old
// file exactly as it was.
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {

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
        for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
            if (f.fileName().contains(".plumwick-") && f.size() > 0)
                caught = true;
        if (!caught)
            QThread::usleep(200);
    }
    child.kill();
    child.waitForFinished();
    EXPECT_TRUE(caught) << "the child finished before it could be killed";
}

} // namespace

TEST(SaveFaults, AKilledSaveLeavesTheOldListIntact)
{
    TempFolder folder;
    folder.Write("list.pwk", "old\r\nlist\r\n");
    KillMidWrite({"list", folder.Path("list.pwk"), "300"}, folder.Path());
    EXPECT_EQ(folder.Read("list.pwk"), "old\r\nlist\r\n");
}

TEST(SaveFaults, AKilledSettingsWriteLeavesTheOldFileIntact)
{
    TempFolder folder;
    QByteArray settings = "[Options]\r\nTxtHeading=OLD\r\n";
    settings += "[Padding]\r\n" + QByteArray(30 * 1024 * 1024, 'x') + "=1\r\n";
    folder.Write("Options.ini", settings);
    KillMidWrite({"settings", folder.Path("Options.ini")}, folder.Path());
    EXPECT_EQ(folder.Read("Options.ini"), settings);
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
        EXPECT_EQ(e.Text(), "Disk full");
    }
    EXPECT_EQ(folder.Read("list.pwk"), "old\r\n");
    ProfileFile settings(folder.Path("Options.ini"));
    EXPECT_THROW(settings.WriteString("Options", "TxtHeading", QString(600 * 1024, 'x')), PlatformError);
    EXPECT_EQ(folder.Read("Options.ini"), "[Options]\r\nCardSize=2\r\n");
    QStringList left = QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{"Options.ini", "list.pwk"}));
}
