// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "share/ConnectionGuard.h"

#include <algorithm>
#include <vector>

ConnectionGuard::ConnectionGuard(Limits limits, std::function<void(int)> cut) : Bounds(limits), CutSocket(std::move(cut)) {}

void ConnectionGuard::Started(const void* connection, int socket, qint64 nowMs)
{
    std::lock_guard<std::mutex> guard(Lock);
    Entries[connection] = Entry{socket, nowMs, false, false};
}

void ConnectionGuard::Closed(const void* connection)
{
    std::lock_guard<std::mutex> guard(Lock);
    Entries.erase(connection);
}

void ConnectionGuard::Trust(const void* connection)
{
    std::lock_guard<std::mutex> guard(Lock);
    if (const auto at = Entries.find(connection); at != Entries.end())
        at->second.Trusted = true;
}

int ConnectionGuard::Count() const
{
    std::lock_guard<std::mutex> guard(Lock);
    return static_cast<int>(Entries.size());
}

int ConnectionGuard::Sweep(qint64 nowMs)
{
    // The socket is cut while the entry is held, so it can't have been closed and its number
    // given to another connection meanwhile (the server reports the close before the socket
    // goes).
    std::lock_guard<std::mutex> guard(Lock);
    int cut = 0;
    const auto cutOne = [&](Entry& entry) {
        entry.Cut = true;
        CutSocket(entry.Socket);
        ++cut;
    };
    std::vector<std::pair<qint64, Entry*>> untrusted;
    int open = 0;
    for (auto& [connection, entry] : Entries) {
        if (entry.Cut)
            continue;
        if (!entry.Trusted && nowMs - entry.StartedMs >= Bounds.DeadlineMs)
            cutOne(entry);
        else {
            ++open;
            if (!entry.Trusted)
                untrusted.push_back({entry.StartedMs, &entry});
        }
    }
    const int room = Bounds.Capacity - Bounds.Reserve;
    if (open > room) {
        std::sort(untrusted.begin(), untrusted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [started, entry] : untrusted) {
            if (open <= room)
                break;
            cutOne(*entry);
            --open;
        }
    }
    return cut;
}
