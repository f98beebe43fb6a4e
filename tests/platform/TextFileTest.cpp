#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "support/TempFolder.h"

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
        return e.Text();
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
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(folder.Path()); }), "File access denied");
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll(folder.Path(), "x"); }), "File access denied");
    EXPECT_EQ(ErrorOf([&] { TextFile::WriteAll("/dev/full", "x"); }), "Disk full");
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(""); }), "Invalid filename");
    // A pipe would block the window: refused at once.
    const QByteArray fifo = folder.Path("pipe").toLocal8Bit();
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { TextFile::ReadAll(folder.Path("pipe")); }), "File access denied");
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

    // The file keeps its permissions.
    ::chmod(folder.Path("list.pwk").toLocal8Bit(), 0640);
    TextFile::WriteAll(folder.Path("list.pwk"), "again");
    struct stat info {};
    ::stat(folder.Path("list.pwk").toLocal8Bit(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
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
