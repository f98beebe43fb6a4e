// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/TextFile.h"
#include "platform/PlatformError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : Fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return Fd; }
    int Close()
    {
        const int result = Fd >= 0 ? ::close(Fd) : 0;
        Fd = -1;
        return result;
    }

private:
    int Fd;
};

[[noreturn]] void Fail(int error, const QString& path)
{
    throw PlatformError(TextFile::ErrorMessage(error, path), path);
}

// Not an errno: a name that leads to something other than a regular file or a folder.
constexpr int NotAFile = -1;

void WriteFully(int fd, const QByteArray& bytes, const QString& path)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno, path);
        }
        p += n;
        left -= n;
    }
}

} // namespace

namespace TextFile {

QString ErrorMessage(int error, const QString& path)
{
    switch (error) {
    case ENOENT:
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? QCoreApplication::translate("TextFile", "File not found")
                                                                 : QCoreApplication::translate("TextFile", "Invalid filename");
    case ENOTDIR:
    case ENAMETOOLONG:
        return QCoreApplication::translate("TextFile", "Invalid filename");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("TextFile", "Too many open files");
    case EISDIR:
        return QCoreApplication::translate("TextFile", "This is a folder, not a file");
    case NotAFile:
        return QCoreApplication::translate("TextFile", "This is a device or a pipe, not a file");
    case ENXIO:
        return QCoreApplication::translate("TextFile", "Nothing reads from this pipe or device");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return QCoreApplication::translate("TextFile", "File access denied");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("TextFile", "Disk full");
    case EAGAIN:
        return QCoreApplication::translate("TextFile", "File cannot be read now (reading it would wait)");
    case EFBIG:
        return QCoreApplication::translate("TextFile", "File too large (the limit is %1 MB)").arg(MaxReadSize / (1024 * 1024));
    default:
        return QCoreApplication::translate("TextFile", "I/O error %1").arg(error);
    }
}

QByteArray ReadAll(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        Fail(ENOENT, path);
    Descriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        Fail(errno, path);
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        Fail(errno, path);
    if (S_ISDIR(info.st_mode))
        Fail(EISDIR, path);
    // A pipe or a device would block the window or never end.
    if (!S_ISREG(info.st_mode))
        Fail(NotAFile, path);
    if (info.st_size > MaxReadSize)
        Fail(EFBIG, path);
    // The descriptor stays non-blocking: a "regular" file whose read waits for ever (such
    // as /proc/kmsg) fails with EAGAIN instead of hanging the program.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno, path);
        }
        if (n == 0)
            break;
        if (bytes.size() + n > MaxReadSize)
            Fail(EFBIG, path);
        bytes.append(buffer, n);
    }
    return bytes;
}

namespace {

constexpr char TempMark[] = ".plumwick-";

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The folder's entry is what a power cut must find: sync it after a rename.
void SyncFolder(const QByteArray& path)
{
    Descriptor folder(::open(FolderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0)
        ::fsync(folder.Get());
}

// Leftovers of one target ("list.pwk.plumwick-AbC123") or, with an empty name, of every
// file in the folder, last changed more than a minute ago (a write that is still going on
// touches its file all the time).
void RemoveLeftoversOf(const QByteArray& folder, const QByteArray& name)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const QByteArray prefix = name + TempMark;
    const std::time_t stale = std::time(nullptr) - 60;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        const qsizetype mark = entryName.lastIndexOf(TempMark);
        if (mark < 0 || entryName.size() != mark + qsizetype(sizeof TempMark - 1) + 6)
            continue;
        if (!name.isEmpty() && !entryName.startsWith(prefix))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            info.st_mtime < stale)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path, Links links) : Path(path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        ::Fail(ENOENT, path);

    // Write through a link to the file it names, so the link stays a link; or replace the
    // link itself.
    Target = name;
    struct stat info {};
    bool exists = false;
    if (links == Links::Follow) {
        if (char* resolved = ::realpath(name.constData(), nullptr)) {
            Target = resolved;
            std::free(resolved);
        }
        exists = ::stat(Target.constData(), &info) == 0;
    } else {
        exists = ::lstat(Target.constData(), &info) == 0;
        if (exists && S_ISLNK(info.st_mode)) {
            exists = false; // the new file takes the link's place
            info = {};
        }
    }
    if (exists && S_ISDIR(info.st_mode))
        ::Fail(EISDIR, path);
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or a pipe is written in place; it can't be replaced.
        Fd = ::open(Target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
        if (Fd < 0)
            ::Fail(errno, path);
        InPlace = true;
        return;
    }
    // A read-only file is refused, as it would be if it were written in place.
    if (exists && ::access(Target.constData(), W_OK) != 0)
        ::Fail(errno, path);

    mode_t mode = 0666;
    if (exists) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    OpenTemporary(mode);
}

void ReplacingFile::OpenTemporary(mode_t mode)
{
    const QByteArray folder = FolderOf(Target);
    RemoveLeftoversOf(folder, Target.mid(Target.lastIndexOf('/') + 1));
    // An unnamed file leaves nothing behind whenever the process dies. It is named at the
    // end through /proc, so where /proc is not there (a bare chroot) a named one is used.
    if (::access("/proc/self/fd", X_OK) == 0) {
        Fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (Fd >= 0) {
            Unnamed = true;
            ::fchmod(Fd, mode);
            return;
        }
        // A file system without unnamed files says so; anything else is the folder's fault.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOSYS)
            ::Fail(errno, Path);
    }
    QByteArray temp = Target + TempMark + "XXXXXX";
    Fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (Fd < 0)
        ::Fail(errno, Path);
    TempPath = temp;
    ::fchmod(Fd, mode);
}

ReplacingFile::~ReplacingFile()
{
    if (Fd >= 0)
        ::close(Fd);
    if (!Committed && !TempPath.isEmpty())
        ::unlink(TempPath.constData());
}

void ReplacingFile::Fail(int error) const
{
    ::Fail(error, Path);
}

void ReplacingFile::Write(const QByteArray& bytes)
{
    WriteFully(Fd, bytes, Path);
}

void ReplacingFile::Commit()
{
    if (!InPlace && ::fsync(Fd) != 0 && errno != EINVAL)
        ::Fail(errno, Path);
    if (Unnamed) {
        // Named for the moment of the rename only.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(Fd);
        static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; TempPath.isEmpty(); ++attempt) {
            QByteArray temp = Target + TempMark;
            for (int i = 0; i < 6; ++i)
                temp += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temp.constData(), AT_SYMLINK_FOLLOW) == 0)
                TempPath = temp;
            else if (errno != EEXIST || attempt > 8)
                ::Fail(errno, Path);
        }
    }
    const int closed = ::close(Fd);
    Fd = -1;
    if (closed != 0)
        ::Fail(errno, Path);
    if (!TempPath.isEmpty()) {
        if (::rename(TempPath.constData(), Target.constData()) != 0)
            ::Fail(errno, Path);
    }
    Committed = true;
    if (!TempPath.isEmpty())
        SyncFolder(Target);
}

void RemoveLeftovers(const QString& folder)
{
    RemoveLeftoversOf(QFile::encodeName(folder), {});
}

bool SameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void WriteAll(const QString& path, const QByteArray& bytes, Links links)
{
    ReplacingFile file(path, links);
    file.Write(bytes);
    file.Commit();
}

} // namespace TextFile
