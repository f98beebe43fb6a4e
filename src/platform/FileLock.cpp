// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/FileLock.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QLockFile>

namespace {

// One mutex for every file lock of the process: QLockFile guards against other processes, and
// two threads of this one must not both believe they hold it.
std::mutex& ProcessLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

FileLock::FileLock(const QString& path, int waitMs) : Here(ProcessLock())
{
    if (path.isEmpty())
        return; // no folder to lock in: this process alone
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // a lock whose process is gone is stale; a live one never is
    if (lock->tryLock(waitMs)) {
        Lock = std::move(lock);
        return;
    }
    if (lock->error() == QLockFile::LockFailedError)
        throw PlatformError(QCoreApplication::translate("FileLock", "another Plumwick has held it for %1 seconds; try again when "
                                                                    "it has finished")
                                .arg(waitMs / 1000),
                            path);
    // No lock file can be made here: nothing can be written beside it either.
}

FileLock::~FileLock()
{
    if (Lock)
        Lock->unlock();
}
