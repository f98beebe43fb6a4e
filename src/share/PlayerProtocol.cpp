// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "share/PlayerProtocol.h"
#include "game/PlayerMessage.h"
#include "share/PlayerPage.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The phones' messages keep the server's translations.
QString T(const char* text)
{
    return QCoreApplication::translate("ShareServer", text);
}

QByteArray Error(const QString& why)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("error"), why}}).toJson(QJsonDocument::Compact);
}

} // namespace

PlayerProtocol::PlayerProtocol(std::shared_ptr<SharedGame> game, DealRate::Limits rates, std::shared_ptr<ClaimQueue> claims,
                               Look look)
    : Game(std::move(game)), Rate(rates), Claims(claims ? std::move(claims) : std::make_shared<ClaimQueue>()),
      Shown(std::move(look))
{
}

QByteArray PlayerProtocol::Answer(const QByteArray& body, const QString& address, qint64 nowMs, Heard& heard)
{
    const auto message = ParsePlayerMessage(body);
    if (!message)
        return {};
    const auto seatJson = [this](const SharedGame::Seat& seat) {
        return QJsonDocument(SeatJson(seat, Game->Code(), Shown.Pictures.get(), &Shown.Design)).toJson(QJsonDocument::Compact);
    };
    switch (message->Type) {
    case PlayerMessage::Kind::Deal:
    case PlayerMessage::Kind::Take: {
        // A new card waits its turn. A printed card in a player's hand is taken with its
        // check code: only wrong codes are counted, against their own address.
        const bool take = message->Type == PlayerMessage::Kind::Take;
        if (take && !Rate.MayTryCode(address, nowMs))
            return Error(T(QT_TRANSLATE_NOOP("ShareServer", "Several wrong check codes were just typed on this connection. "
                                                            "Wait a little and try again.")));
        switch (take ? DealRate::Verdict::Dealt : Rate.Take(address, nowMs)) {
        case DealRate::Verdict::AddressTooFast:
            return Error(T(QT_TRANSLATE_NOOP("ShareServer", "Many cards were just given to phones on this connection. "
                                                            "Wait a little and try again.")));
        case DealRate::Verdict::AllTooFast:
            return Error(T(QT_TRANSLATE_NOOP("ShareServer", "Cards are being given out quickly. Wait a moment and try again.")));
        case DealRate::Verdict::Dealt:
            break;
        }
        const SharedGame::Dealt dealt = take ? Game->Take(message->Card, message->Check, address) : Game->Deal(address);
        if (!dealt.Got) {
            if (dealt.WrongCode)
                Rate.WrongCode(address, nowMs);
            return Error(dealt.Error);
        }
        heard.SeatsDealt = true;
        return seatJson(*dealt.Got);
    }
    case PlayerMessage::Kind::Hello: {
        const auto seat = Game->Greet(message->Secret);
        if (!seat)
            return Error(T(QT_TRANSLATE_NOOP("ShareServer", "This phone has no card in this game.")));
        return seatJson(*seat);
    }
    case PlayerMessage::Kind::Claim: {
        if (!Game->SeatOf(message->Secret))
            return Error(T(QT_TRANSLATE_NOOP("ShareServer", "This phone has no card in this game.")));
        const SharedGame::Claim claim = Game->MakeClaim(message->Secret, nowMs);
        if (!claim.Heard)
            return Error(T(QT_TRANSLATE_NOOP("ShareServer", "Wait a moment before you claim again.")));
        Claims->Add(claim.Card, claim.Text, claim.Result.Bingo);
        heard.Claimed = true;
        QJsonArray cells;
        for (int c : claim.Result.Cells)
            cells.append(c);
        return QJsonDocument(QJsonObject{{QStringLiteral("bingo"), claim.Result.Bingo},
                                         {QStringLiteral("answer"), claim.Result.Text},
                                         {QStringLiteral("cells"), cells}})
            .toJson(QJsonDocument::Compact);
    }
    }
    return {};
}
