// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/FileLock.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// One mutex for every file lock of the process: the kernel's lock guards against other
// processes, and two threads of this one must not both believe they hold it.
std::mutex& ProcessLock()
{
    static std::mutex lock;
    return lock;
}

// The longest a waiter sleeps without looking again, should a change go unreported (a
// folder on a network file system, where inotify hears only this machine).
constexpr int LongestNap = 250;

// The holder as a waiter sees it: the lock file itself and what its holder wrote in it. Each
// holder writes a token of its own, so a lock passed on, even within one process, is a new
// holder.
struct Holder {
    dev_t Device = 0;
    ino_t Inode = 0;
    QByteArray Tag;
    bool operator==(const Holder&) const = default;
};

Holder HolderOf(int fd)
{
    Holder holder;
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        holder.Device = info.st_dev;
        holder.Inode = info.st_ino;
    }
    char text[256];
    const ssize_t n = ::pread(fd, text, sizeof text, 0);
    if (n > 0)
        holder.Tag = QByteArray(text, n);
    return holder;
}

// "PID\nplumwick\nHOST\nTOKEN\n": the first three lines as other lock files name a holder.
QByteArray NewTag()
{
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return QByteArray::number(::getpid()) + "\nplumwick\n" + QByteArray(host) + '\n' +
           QByteArray::number(QRandomGenerator::system()->generate64(), 16) + '\n';
}

// Names this holder for the waiters. Where that fails (a lock file this user may only read)
// a waiter tells holders apart by the file alone.
bool NameHolder(int fd)
{
    const QByteArray tag = NewTag();
    return ::ftruncate(fd, 0) == 0 && ::pwrite(fd, tag.constData(), static_cast<size_t>(tag.size()), 0) == tag.size();
}

// Whether the open file is still the one the path names: the holder removes it as it lets
// go, and a waiter that locked the removed file has locked nothing.
bool StillNamed(int fd, const QByteArray& name)
{
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(name.constData(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// Opens (makes) the lock file. One this user may only read still locks. One that can't be
// opened at all is no one's lock (nothing of ours can have opened it) and is replaced, once.
int OpenLockFile(const QByteArray& name)
{
    for (int replaced = 0;; ++replaced) {
        int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno == EACCES)
            fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
        if (fd >= 0 || errno != EACCES || replaced > 0)
            return fd;
        struct stat info {};
        if (::lstat(name.constData(), &info) != 0 || ::unlink(name.constData()) != 0)
            return -1; // a folder no file can be made in
    }
}

// Sleeps until something happens to the lock file (let go, removed, its holder gone) or
// `ms` pass. Without inotify (too many watches already) it naps briefly instead.
class LockFileWatch {
public:
    explicit LockFileWatch(const QByteArray& name) : Base(name.mid(name.lastIndexOf('/') + 1))
    {
        const qsizetype slash = name.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
        Fd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        if (Fd >= 0 &&
            ::inotify_add_watch(Fd, folder.constData(), IN_CLOSE_WRITE | IN_CLOSE_NOWRITE | IN_DELETE | IN_MOVED_FROM) < 0) {
            ::close(Fd);
            Fd = -1;
        }
    }
    ~LockFileWatch()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    LockFileWatch(const LockFileWatch&) = delete;
    LockFileWatch& operator=(const LockFileWatch&) = delete;

    void Wait(int ms)
    {
        if (Fd < 0) {
            ::poll(nullptr, 0, std::min(ms, 10));
            return;
        }
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
            if (left <= 0)
                return;
            pollfd ready{Fd, POLLIN, 0};
            if (::poll(&ready, 1, static_cast<int>(left)) <= 0)
                continue; // the time is up (or a signal): looked at above
            if (HeardLockFile())
                return;
        }
    }

private:
    // Reads what inotify has; whether any of it was about the lock file (the folder's other
    // files, Games.json written beside it, wake no one).
    bool HeardLockFile()
    {
        alignas(inotify_event) char events[4096];
        bool heard = false;
        for (;;) {
            const ssize_t n = ::read(Fd, events, sizeof events);
            if (n <= 0)
                return heard;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                if (event->len > 0 && Base == event->name)
                    heard = true;
                if (event->mask & IN_Q_OVERFLOW)
                    heard = true;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

    QByteArray Base;
    int Fd = -1;
};

} // namespace

FileLock::FileLock(const QString& path, int waitMs) : Here(ProcessLock()), Name(QFile::encodeName(path))
{
    if (Name.isEmpty())
        return; // no folder to lock in: this process alone
    LockFileWatch watch(Name); // before the first try, so no letting go is missed
    int fd = -1;
    Holder holder;
    Clock::time_point heldSince = Clock::now();
    for (;;) {
        if (fd >= 0 && !StillNamed(fd, Name)) {
            ::close(fd); // its holder let go and removed it
            fd = -1;
        }
        if (fd < 0) {
            fd = OpenLockFile(Name);
            if (fd < 0)
                return; // no lock file can be made here: nothing can be written beside it either
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (StillNamed(fd, Name))
                break;
            ::flock(fd, LOCK_UN);
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            return; // a file system without locks: as good as no folder
        }
        const Clock::time_point now = Clock::now();
        if (const Holder seen = HolderOf(fd); !(seen == holder)) {
            holder = seen;
            heldSince = now; // passed on: the wait starts again
        }
        const auto held = std::chrono::duration_cast<std::chrono::milliseconds>(now - heldSince).count();
        if (held >= waitMs) {
            ::close(fd);
            throw PlatformError(QCoreApplication::translate("FileLock", "another Plumwick has held it for %1 seconds; try again when "
                                                                        "it has finished")
                                    .arg(waitMs / 1000),
                                path);
        }
        watch.Wait(static_cast<int>(std::min<long long>(waitMs - held, LongestNap)));
    }
    Fd = fd;
    NameHolder(Fd);
}

FileLock::~FileLock()
{
    if (Fd < 0)
        return;
    // Removed first, then let go: a waiter that opened it before it went finds it removed
    // once it has it, and opens the path again.
    if (StillNamed(Fd, Name))
        ::unlink(Name.constData());
    ::close(Fd);
}
