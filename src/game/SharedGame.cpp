// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/SharedGame.h"
#include "game/CheckCode.h"

#include <QCoreApplication>
#include <algorithm>

SharedGame::Ledger SharedGame::Ledger::Counting(int used)
{
    auto had = std::make_shared<int>(used);
    return {[had] { return *had; }, [had] { return ++*had; }};
}

SharedGame::SharedGame(QString code, CardOptions options, Pattern pattern, Ledger ledger, int limit, Cards cards,
                       Secrets secrets, Limits limits)
    : GameCode(std::move(code)), Options(std::move(options)), Playing(std::move(pattern)), Book(std::move(ledger)), Limit(limit),
      CardCells(std::move(cards)), NewSecret(std::move(secrets)), Bounds(limits)
{
}

SharedGame::SharedGame(QString code, NinetyBall::TicketPattern pattern, Ledger ledger, int limit, Tickets tickets,
                       Secrets secrets, Limits limits)
    : GameCode(std::move(code)), Playing(ClassicPattern(WinPattern::AnyLine)), Book(std::move(ledger)), Limit(limit),
      TicketOf(std::move(tickets)), TicketGoal(pattern), NewSecret(std::move(secrets)), Bounds(limits)
{
}

namespace {

SharedGame::Dealt Full()
{
    return {std::nullopt, QCoreApplication::translate("SharedGame", "This game has as many players as it takes.")};
}

SharedGame::Dealt Refused(const QString& why)
{
    return {std::nullopt, why};
}

} // namespace

SharedGame::Dealt SharedGame::SeatFor(int card, const QString& address)
{
    QString secret;
    do
        secret = NewSecret();
    while (Seats.contains(secret)); // 128 random bits: never, but a seat is never shared
    Seats.insert(secret, card);
    Addresses.insert(secret, address);
    Taken.insert(card);
    return {SeatAt(secret, card), {}};
}

SharedGame::Seat SharedGame::SeatAt(const QString& secret, int card) const
{
    if (TicketOf)
        return Seat{secret, card, {}, TicketOf(card)};
    return Seat{secret, card, MakeCardView(CardCells(card), Options), std::nullopt};
}

SharedGame::Dealt SharedGame::Deal(const QString& address)
{
    const auto noneLeft = [this] {
        return Refused(TicketOf ? QCoreApplication::translate("SharedGame", "This game has no ticket left to deal.")
                                : QCoreApplication::translate("SharedGame", "This game has no card left to deal."));
    };
    if (Book.Had() >= Limit)
        return noneLeft();
    if (Players() >= Bounds.MaxPlayers)
        return Full();
    const int card = Book.TakeNext();
    if (card < 1 || card > Limit)
        return noneLeft();
    UsedCards = std::max(UsedCards, card);
    return SeatFor(card, address);
}

SharedGame::Dealt SharedGame::Take(int card, const QString& check, const QString& address)
{
    if (card < 1 || card > Book.Had())
        return Refused((TicketOf ? QCoreApplication::translate("SharedGame", "There is no printed ticket %1 in this game.")
                                 : QCoreApplication::translate("SharedGame", "There is no printed card %1 in this game."))
                           .arg(card));
    if (Taken.contains(card))
        return Refused((TicketOf ? QCoreApplication::translate("SharedGame", "Ticket %1 is already on another phone.")
                                 : QCoreApplication::translate("SharedGame", "Card %1 is already on another phone."))
                           .arg(card));
    if (CheckOf && !CheckCode::Matches(check, CheckOf(card))) {
        if (check.trimmed().isEmpty())
            return Refused(QCoreApplication::translate("SharedGame", "Type the check code printed under card %1, after \"%2\".").arg(card).arg(CheckWord));
        Dealt wrong = Refused(QCoreApplication::translate("SharedGame", "That is not the check code of card %1: it is printed under the card, after \"%2\".")
                                  .arg(card)
                                  .arg(CheckWord));
        wrong.WrongCode = true;
        return wrong;
    }
    if (Players() >= Bounds.MaxPlayers)
        return Full();
    return SeatFor(card, address);
}

QList<SharedGame::SeatRow> SharedGame::SeatList() const
{
    QList<SeatRow> rows;
    for (auto at = Seats.cbegin(); at != Seats.cend(); ++at)
        rows.append({Addresses.value(at.key()), at.value()});
    std::sort(rows.begin(), rows.end(), [](const SeatRow& a, const SeatRow& b) {
        return a.Address != b.Address ? a.Address < b.Address : a.Card < b.Card;
    });
    return rows;
}

std::optional<SharedGame::Seat> SharedGame::Greet(const QString& secret)
{
    if (!Seats.contains(secret))
        return std::nullopt;
    Away.remove(secret);
    LastHeard.remove(secret); // heard from now, at the next look
    return SeatOf(secret);
}

int SharedGame::RestAway(qint64 nowMs, qint64 idleMs, const QSet<QString>& listening)
{
    int gone = 0;
    for (auto at = Seats.cbegin(); at != Seats.cend(); ++at) {
        const QString& secret = at.key();
        if (listening.contains(secret) || !LastHeard.contains(secret)) {
            LastHeard.insert(secret, nowMs);
            Away.remove(secret);
        } else if (nowMs - LastHeard.value(secret) >= idleMs && !Away.contains(secret)) {
            Away.insert(secret);
            ++gone;
        }
    }
    return gone;
}

void SharedGame::Forget(const QString& secret)
{
    LastHeard.remove(secret);
    Away.remove(secret);
    Taken.remove(Seats.value(secret));
    Seats.remove(secret);
    Addresses.remove(secret);
    LastClaim.remove(secret);
}

int SharedGame::RemoveSeat(int card)
{
    const QString secret = Seats.key(card);
    if (secret.isEmpty() || !Seats.contains(secret))
        return 0;
    Forget(secret);
    return 1;
}

int SharedGame::RemoveAddress(const QString& address)
{
    QStringList gone;
    for (auto at = Addresses.cbegin(); at != Addresses.cend(); ++at)
        if (at.value() == address)
            gone << at.key();
    for (const QString& secret : gone)
        Forget(secret);
    return static_cast<int>(gone.size());
}

std::optional<SharedGame::Seat> SharedGame::SeatOf(const QString& secret) const
{
    const auto at = Seats.constFind(secret);
    if (at == Seats.constEnd())
        return std::nullopt;
    return SeatAt(secret, *at);
}

Verdict SharedGame::Judge(const Seat& seat) const
{
    if (!seat.Ticket) {
        const QSet<QString> called(CallsSoFar.cbegin(), CallsSoFar.cend());
        return CheckFor(seat.View.Marked(called), seat.View.Side, Playing, seat.View.Heading);
    }
    // A ticket, as the checker judges it; the winning rows' numbers are its cells.
    const NinetyBall::TicketVerdict ticket = NinetyBall::CheckTicket(*seat.Ticket, NinetyBall::CalledNumbers(CallsSoFar), TicketGoal);
    Verdict verdict;
    verdict.Bingo = ticket.Won;
    verdict.Text = ticket.Text;
    verdict.Missing = ticket.Missing;
    verdict.Name = ticket.Name;
    for (const int r : ticket.Rows)
        for (int c = 0; c < NinetyBall::Columns; ++c)
            if (seat.Ticket->Cells[static_cast<size_t>(r)][static_cast<size_t>(c)] != 0)
                verdict.Cells.push_back(r * NinetyBall::Columns + c);
    return verdict;
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
    Claim claim;
    claim.Heard = true;
    claim.Card = seat->Card;
    claim.Result = Judge(*seat);
    if (seat->Ticket)
        claim.Text = claim.Result.Bingo
                         ? QCoreApplication::translate("SharedGame", "Ticket %1 claims bingo: verified, %2").arg(seat->Card).arg(claim.Result.Name)
                         : QCoreApplication::translate("SharedGame", "Ticket %1 claims bingo: not yet, %2 missing")
                               .arg(seat->Card)
                               .arg(claim.Result.Missing);
    else
        claim.Text = claim.Result.Bingo
                         ? QCoreApplication::translate("SharedGame", "Card %1 claims bingo: verified, %2").arg(seat->Card).arg(claim.Result.Name)
                         : QCoreApplication::translate("SharedGame", "Card %1 claims bingo: not yet, %2 missing")
                               .arg(seat->Card)
                               .arg(claim.Result.Missing);
    return claim;
}
