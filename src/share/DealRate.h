// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QHash>
#include <QString>
#include <QtGlobal>

// How fast the share server deals seats, so that a script can't take a room's seats before
// the phones do: a few at once to one address (a family on one phone each) and then one
// every little while, and so many a second in all. A bucket of tokens per address and one
// for all, refilled with time. Not thread-safe: the server asks under its lock.
class DealRate {
public:
    struct Limits {
        double PerAddressBurst = 4;
        double PerAddressEverySeconds = 15; // one more seat to an address this often
        double AllBurst = 60;
        double AllPerSecond = 4;
    };
    enum class Verdict { Dealt, AddressTooFast, AllTooFast };
    explicit DealRate(Limits limits) : Bounds(limits), All{limits.AllBurst, 0} {}

    // Takes a token for a seat to `address` at `nowMs`, when there is one.
    Verdict Take(const QString& address, qint64 nowMs);

private:
    struct Bucket {
        double Tokens;
        qint64 LastMs;
    };
    static void Refill(Bucket& bucket, double burst, double perMs, qint64 nowMs);
    Limits Bounds;
    Bucket All;
    QHash<QString, Bucket> ByAddress;
};
