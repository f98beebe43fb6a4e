// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QtGlobal>

#include <functional>
#include <mutex>
#include <unordered_map>

// Keeps the share server's connections from being held by whoever can see the QR code: a
// connection must have sent a whole request with the sharing's token within a deadline,
// whatever trickles in meanwhile, or it is cut; and when the connections near the limit,
// those that have shown no token go first, oldest first, so a phone with the token always
// finds a place. It only decides: cutting a connection is `cut` (a shutdown of its socket,
// after which the server closes it as it closes any connection that went away).
class ConnectionGuard {
public:
    struct Limits {
        qint64 DeadlineMs = 4000; // for a request with the token to have come in whole
        int Capacity = 2000;      // connections the server takes
        int Reserve = 200;        // kept free for phones with the token
    };
    ConnectionGuard(Limits limits, std::function<void(int socket)> cut);

    void Started(const void* connection, int socket, qint64 nowMs);
    void Closed(const void* connection);
    // A request with the token came in whole on this connection.
    void Trust(const void* connection);

    // Cuts what is overdue, then, above Capacity - Reserve, the untrusted from the oldest.
    // Returns how many it cut.
    int Sweep(qint64 nowMs);
    int Count() const;

private:
    struct Entry {
        int Socket = -1;
        qint64 StartedMs = 0;
        bool Trusted = false;
        bool Cut = false;
    };
    Limits Bounds;
    std::function<void(int)> CutSocket;
    mutable std::mutex Lock;
    std::unordered_map<const void*, Entry> Entries;
};
