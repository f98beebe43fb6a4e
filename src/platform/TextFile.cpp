#include "platform/TextFile.h"
#include "platform/PlatformError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
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
    throw PlatformError(TextFile::ErrorMessage(error, path));
}

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
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? QStringLiteral("File not found")
                                                                 : QStringLiteral("Invalid filename");
    case ENOTDIR:
    case ENAMETOOLONG:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    case EAGAIN:
        return QStringLiteral("File cannot be read now (reading it would wait)");
    case EFBIG:
        return QStringLiteral("File too large (the limit is %1 MB)").arg(MaxReadSize / (1024 * 1024));
    default:
        return QStringLiteral("I/O error %1").arg(error);
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
        Fail(EACCES, path);
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

ReplacingFile::ReplacingFile(const QString& path) : Path(path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        ::Fail(ENOENT, path);

    // Write through a link to the file it names, so the link stays a link.
    Target = name;
    if (char* resolved = ::realpath(name.constData(), nullptr)) {
        Target = resolved;
        std::free(resolved);
    }

    struct stat info {};
    const bool exists = ::stat(Target.constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        ::Fail(EISDIR, path);
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or a pipe is written in place; it can't be replaced.
        Fd = ::open(Target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
        if (Fd < 0)
            ::Fail(errno, path);
        return;
    }
    // A read-only file is refused, as it would be if it were written in place.
    if (exists && ::access(Target.constData(), W_OK) != 0)
        ::Fail(errno, path);

    QByteArray temp = Target + ".plumwick-XXXXXX";
    Fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (Fd < 0)
        ::Fail(errno, path);
    TempPath = temp;
    mode_t mode = 0666;
    if (exists) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
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
    if (!TempPath.isEmpty() && ::fsync(Fd) != 0 && errno != EINVAL)
        ::Fail(errno, Path);
    const int closed = ::close(Fd);
    Fd = -1;
    if (closed != 0)
        ::Fail(errno, Path);
    if (!TempPath.isEmpty() && ::rename(TempPath.constData(), Target.constData()) != 0)
        ::Fail(errno, Path);
    Committed = true;
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    ReplacingFile file(path);
    file.Write(bytes);
    file.Commit();
}

} // namespace TextFile
