// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const PlatformError& e) {
        return e.Reason();
    }
    return "no error";
}

QStringList Entries(const TempFolder& folder)
{
    return QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(TextFile, ErrorsCarryThePlatformMessages)
{
    TempFolder folder;
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(folder.Path("missing.pwk")); }), "File not found");
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(folder.Path("no/such/folder.pwk")); }), "Invalid filename");
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll(folder.Path("no/such/folder.pwk"), "x"); }), "Invalid filename");
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(folder.Path()); }), "This is a folder, not a file");
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll(folder.Path(), "x"); }), "This is a folder, not a file");
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll("/dev/full", "x"); }), "Disk full");
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(""); }), "Invalid filename");
    // A pipe would block the window: refused at once, for what it is. Written with no one
    // reading, it says so.
    const QByteArray fifo = folder.Path("pipe").toLocal8Bit();
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(folder.Path("pipe")); }), "This is a device or a pipe, not a file");
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll("/dev/null"); }), "This is a device or a pipe, not a file");
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll(folder.Path("pipe"), "x"); }), "Nothing reads from this pipe or device");
    // The whole message names the file.
    try {
        TextFile::WriteAll("/dev/full", "x");
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.Text(), "/dev/full: Disk full");
        EXPECT_EQ(e.File(), "/dev/full");
    }
    EXPECT_EQ(TextFile::ErrorMessage(EMFILE, "x"), "Too many open files");
    EXPECT_EQ(TextFile::ErrorMessage(EIO, "x"), "I/O error 5");
}

TEST(TextFile, ReplacingWritesNeverLoseTheOldFile)
{
    TempFolder folder;
    folder.Write("list.pwk", "old\r\n");
    TextFile::WriteAll(folder.Path("list.pwk"), "new\r\n");
    EXPECT_EQ(folder.Read("list.pwk"), "new\r\n");
    EXPECT_EQ(Entries(folder), QStringList{"list.pwk"});

    // A write abandoned half way (here: never committed) leaves the old file and no debris.
    {
        TextFile::ReplacingFile half(folder.Path("list.pwk"));
        half.Write("partial");
    }
    EXPECT_EQ(folder.Read("list.pwk"), "new\r\n");
    EXPECT_EQ(Entries(folder), QStringList{"list.pwk"});

    // A link stays a link and its target gets the words.
    ASSERT_EQ(::symlink(folder.Path("list.pwk").toLocal8Bit().constData(), folder.Path("link.pwk").toLocal8Bit().constData()), 0);
    TextFile::WriteAll(folder.Path("link.pwk"), "via link\r\n");
    EXPECT_TRUE(QFileInfo(folder.Path("link.pwk")).isSymLink());
    EXPECT_EQ(folder.Read("list.pwk"), "via link\r\n");

    // Told to, a write replaces the link itself and leaves the file it named alone, also
    // where the link leads nowhere.
    TextFile::WriteAll(folder.Path("link.pwk"), "the link's place", TextFile::Links::Replace);
    EXPECT_FALSE(QFileInfo(folder.Path("link.pwk")).isSymLink());
    EXPECT_EQ(folder.Read("link.pwk"), "the link's place");
    EXPECT_EQ(folder.Read("list.pwk"), "via link\r\n");
    ASSERT_EQ(::symlink(folder.Path("elsewhere/x").toLocal8Bit().constData(), folder.Path("dangling").toLocal8Bit().constData()), 0);
    TextFile::WriteAll(folder.Path("dangling"), "here", TextFile::Links::Replace);
    EXPECT_EQ(folder.Read("dangling"), "here");
    EXPECT_FALSE(QFileInfo::exists(folder.Path("elsewhere")));
    QFile::remove(folder.Path("link.pwk"));
    QFile::remove(folder.Path("dangling"));

    // The file keeps its permissions.
    ::chmod(folder.Path("list.pwk").toLocal8Bit(), 0640);
    TextFile::WriteAll(folder.Path("list.pwk"), "again");
    struct stat info {};
    ::stat(folder.Path("list.pwk").toLocal8Bit(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(TextFile, LeftoversOfKilledWritesAreRemoved)
{
    TempFolder folder;
    folder.Write("list.pwk", "old");
    folder.Write("list.pwk.plumwick-Ab12Cd", "half of a killed write");
    folder.Write("other.pwk.plumwick-Zz99Yy", "half of another");
    folder.Write("fresh.pwk.plumwick-Qq11Ww", "a write going on now");
    folder.Write("notes.plumwick-kept", "not ours: no six-letter tail");
    const auto age = [&](const char* name) {
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        QFile file(folder.Path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(old, QFileDevice::FileModificationTime);
    };
    age("list.pwk.plumwick-Ab12Cd");
    age("other.pwk.plumwick-Zz99Yy");
    age("notes.plumwick-kept");
    // Writing a file clears its own leftovers; a sweep clears the folder's; a fresh one stays.
    TextFile::WriteAll(folder.Path("list.pwk"), "new");
    EXPECT_EQ(Entries(folder), (QStringList{"fresh.pwk.plumwick-Qq11Ww", "list.pwk", "notes.plumwick-kept",
                                            "other.pwk.plumwick-Zz99Yy"}));
    TextFile::RemoveLeftovers(folder.Path());
    EXPECT_EQ(Entries(folder), (QStringList{"fresh.pwk.plumwick-Qq11Ww", "list.pwk", "notes.plumwick-kept"}));
}

TEST(TextFile, ReadOnlyFileOrFolderIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: file permissions do not bind";
    TempFolder folder;
    folder.Write("list.pwk", "old");
    ::chmod(folder.Path("list.pwk").toLocal8Bit(), 0444);
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll(folder.Path("list.pwk"), "new"); }), "File access denied");
    ::chmod(folder.Path().toLocal8Bit(), 0555);
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll(folder.Path("other.pwk"), "new"); }), "File access denied");
    ::chmod(folder.Path().toLocal8Bit(), 0755);
    EXPECT_EQ(folder.Read("list.pwk"), "old");
}
