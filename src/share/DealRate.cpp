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
    auto at = ByAddress.find(address);
    if (at == ByAddress.end())
        at = ByAddress.insert(address, Bucket{Bounds.PerAddressBurst, nowMs});
    Refill(*at, Bounds.PerAddressBurst, 1.0 / (Bounds.PerAddressEverySeconds * 1000.0), nowMs);
    if (at->Tokens < 1)
        return Verdict::AddressTooFast;
    if (All.Tokens < 1)
        return Verdict::AllTooFast;
    at->Tokens -= 1;
    All.Tokens -= 1;
    return Verdict::Dealt;
}

DealRate::Bucket& DealRate::WrongCodesOf(const QString& address, qint64 nowMs)
{
    auto at = WrongByAddress.find(address);
    if (at == WrongByAddress.end())
        at = WrongByAddress.insert(address, Bucket{Bounds.WrongCodesBurst, nowMs});
    Refill(*at, Bounds.WrongCodesBurst, 1.0 / (Bounds.WrongCodesEverySeconds * 1000.0), nowMs);
    return *at;
}

bool DealRate::MayTryCode(const QString& address, qint64 nowMs)
{
    return WrongCodesOf(address, nowMs).Tokens >= 1;
}

void DealRate::WrongCode(const QString& address, qint64 nowMs)
{
    Bucket& bucket = WrongCodesOf(address, nowMs);
    bucket.Tokens = std::max(0.0, bucket.Tokens - 1);
}
