// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "share/DealRate.h"

#include <algorithm>

void DealRate::Refill(Bucket& bucket, double burst, double perMs, qint64 nowMs)
{
    if (bucket.LastMs != 0)
        bucket.Tokens = std::min(burst, bucket.Tokens + static_cast<double>(nowMs - bucket.LastMs) * perMs);
    bucket.LastMs = nowMs;
}

DealRate::Verdict DealRate::Take(const QString& address, qint64 nowMs)
{
    Refill(All, Bounds.AllBurst, Bounds.AllPerSecond / 1000.0, nowMs);
    Bucket& own = Of(ByAddress, address, Bounds.PerAddressBurst, Bounds.PerAddressEverySeconds, nowMs);
    if (own.Tokens < 1)
        return Verdict::AddressTooFast;
    if (All.Tokens < 1)
        return Verdict::AllTooFast;
    own.Tokens -= 1;
    All.Tokens -= 1;
    return Verdict::Dealt;
}

DealRate::Bucket& DealRate::Of(QHash<QString, Bucket>& buckets, const QString& address, double burst, double everySeconds,
                               qint64 nowMs)
{
    auto at = buckets.find(address);
    if (at == buckets.end())
        at = buckets.insert(address, Bucket{burst, nowMs});
    Refill(*at, burst, 1.0 / (everySeconds * 1000.0), nowMs);
    return *at;
}

bool DealRate::MayTryCode(const QString& address, qint64 nowMs)
{
    return Of(WrongByAddress, address, Bounds.WrongCodesBurst, Bounds.WrongCodesEverySeconds, nowMs).Tokens >= 1;
}

void DealRate::WrongCode(const QString& address, qint64 nowMs)
{
    Bucket& bucket = Of(WrongByAddress, address, Bounds.WrongCodesBurst, Bounds.WrongCodesEverySeconds, nowMs);
    bucket.Tokens = std::max(0.0, bucket.Tokens - 1);
}
