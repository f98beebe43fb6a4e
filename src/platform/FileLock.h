// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QString>

#include <mutex>

// A lock that holds across threads and processes at once: a mutex of this process, then the
// kernel's lock (flock) on a lock file beside what it guards ("Games.json.lock"). Held from
// construction to destruction. The kernel lets go of it whenever its holder ends, however it
// ends, so a lock left by a killed process (its file empty, half written, or from another
// build) is simply free: nothing is ever judged stale. The file names its holder, and is
// removed as the holder lets go, so that a file left behind names a process that is gone.
//
// A waiter sleeps until the lock file changes (inotify), so it follows the lock as it is
// passed on rather than a schedule. It waits as long as the lock keeps changing hands, and
// gives up, raising PlatformError, only where one holder has kept it for `waitMs` without
// letting go (a hung process).
//
// Where the lock file can't be made or opened at all (a read-only or missing folder, or no
// path) the lock is this process's alone, and Shared() says so: whatever it guards can't be
// written there either.
class FileLock {
public:
    explicit FileLock(const QString& path, int waitMs = 20000);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Shared() const { return Fd >= 0; }

private:
    std::unique_lock<std::mutex> Here;
    QByteArray Name; // the lock file's path, in the file system's encoding
    int Fd = -1;     // the lock file, locked
};
