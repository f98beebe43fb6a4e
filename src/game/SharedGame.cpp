// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/SharedGame.h"

#include <QCoreApplication>

SharedGame::SharedGame(QString code, CardOptions options, WinPattern pattern, int used, int limit, Cards cards,
                       Secrets secrets, Limits limits)
    : GameCode(std::move(code)), Options(std::move(options)), Playing(pattern), UsedCards(used), Limit(limit),
      CardCells(std::move(cards)), NewSecret(std::move(secrets)), Bounds(limits)
{
}

namespace {

SharedGame::Dealt Full()
{
    return {std::nullopt, QCoreApplication::translate("SharedGame", "This game has as many players as it takes.")};
}

} // namespace

SharedGame::Dealt SharedGame::SeatFor(int card)
{
    QString secret;
    do
        secret = NewSecret();
    while (Seats.contains(secret)); // 128 random bits: never, but a seat is never shared
    Seats.insert(secret, card);
    Taken.insert(card);
    return {Seat{secret, card, MakeCardView(CardCells(card), Options)}, {}};
}

SharedGame::Dealt SharedGame::Deal()
{
    if (UsedCards >= Limit)
        return {std::nullopt, QCoreApplication::translate("SharedGame", "This game has no card left to deal.")};
    if (Players() >= Bounds.MaxPlayers)
        return Full();
    ++UsedCards;
    return SeatFor(UsedCards);
}

SharedGame::Dealt SharedGame::Take(int card)
{
    if (card < 1 || card > UsedCards)
        return {std::nullopt, QCoreApplication::translate("SharedGame", "There is no printed card %1 in this game.").arg(card)};
    if (Taken.contains(card))
        return {std::nullopt, QCoreApplication::translate("SharedGame", "Card %1 is already on another phone.").arg(card)};
    if (Players() >= Bounds.MaxPlayers)
        return Full();
    return SeatFor(card);
}

std::optional<SharedGame::Seat> SharedGame::SeatOf(const QString& secret) const
{
    const auto at = Seats.constFind(secret);
    if (at == Seats.constEnd())
        return std::nullopt;
    return Seat{secret, *at, MakeCardView(CardCells(*at), Options)};
}

SharedGame::Claim SharedGame::MakeClaim(const QString& secret, qint64 nowMs)
{
    const auto seat = SeatOf(secret);
    if (!seat)
        return {};
    const auto last = LastClaim.constFind(secret);
    if (last != LastClaim.constEnd() && nowMs - *last < Bounds.ClaimGapMs)
        return {};
    LastClaim.insert(secret, nowMs);
    const QSet<QString> called(CallsSoFar.cbegin(), CallsSoFar.cend());
    Claim claim;
    claim.Heard = true;
    claim.Card = seat->Card;
    claim.Result = CheckPattern(seat->View.Marked(called), seat->View.Side, Playing, seat->View.Heading);
    claim.Text = claim.Result.Bingo
                     ? QCoreApplication::translate("SharedGame", "Card %1 claims bingo: verified, %2").arg(seat->Card).arg(claim.Result.Name)
                     : QCoreApplication::translate("SharedGame", "Card %1 claims bingo: not yet, %2 missing")
                           .arg(seat->Card)
                           .arg(claim.Result.Missing);
    return claim;
}
