// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QHash>
#include <QString>
#include <QtGlobal>

// How fast the share server deals seats, so that a script can't take a room's seats before
// the phones do: a few at once to one address (a family on one phone each) and then one
// every little while, and so many a second in all. A bucket of tokens per address and one
// for all, refilled with time. A printed card taken with its check code spends none of them:
// wrong codes are counted apart, against their own address alone, so a script guessing codes
// neither slows the room's new phones nor is told it was given cards. Not thread-safe: the
// server asks under its lock.
class DealRate {
public:
    struct Limits {
        double PerAddressBurst = 4;
        double PerAddressEverySeconds = 15; // one more seat to an address this often
        double AllBurst = 60;
        double AllPerSecond = 4;
        double WrongCodesBurst = 4;            // wrong check codes from one address at once
        double WrongCodesEverySeconds = 15;    // one more try this often
    };
    enum class Verdict { Dealt, AddressTooFast, AllTooFast };
    explicit DealRate(Limits limits) : Bounds(limits), All{limits.AllBurst, 0} {}

    // Takes a token for a seat to `address` at `nowMs`, when there is one.
    Verdict Take(const QString& address, qint64 nowMs);
    // Whether `address` may try a check code now; a wrong one counted against it.
    bool MayTryCode(const QString& address, qint64 nowMs);
    void WrongCode(const QString& address, qint64 nowMs);

private:
    struct Bucket {
        double Tokens;
        qint64 LastMs;
    };
    static void Refill(Bucket& bucket, double burst, double perMs, qint64 nowMs);
    // An address's bucket, made full the first time and refilled to now.
    static Bucket& Of(QHash<QString, Bucket>& buckets, const QString& address, double burst, double everySeconds, qint64 nowMs);
    Limits Bounds;
    Bucket All;
    QHash<QString, Bucket> ByAddress;
    QHash<QString, Bucket> WrongByAddress;
};
