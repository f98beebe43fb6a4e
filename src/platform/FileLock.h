// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

#include <memory>
#include <mutex>

class QLockFile;

// A lock that holds across threads and processes at once: a mutex of this process, then a
// lock file beside what it guards ("Games.json.lock", QLockFile), whose stale lock (left by a
// killed process) is taken over. Held from construction to destruction.
// Where the lock file can't be made at all (a read-only or missing folder, or no path) the lock is this
// process's alone, and Shared() says so: whatever it guards can't be written there either.
// Waits up to `waitMs` for another process, then raises PlatformError.
class FileLock {
public:
    explicit FileLock(const QString& path, int waitMs = 20000);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Shared() const { return static_cast<bool>(Lock); }

private:
    std::unique_lock<std::mutex> Here;
    std::unique_ptr<QLockFile> Lock;
};
