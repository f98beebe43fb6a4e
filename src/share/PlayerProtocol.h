// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "game/ClaimQueue.h"
#include "game/SharedGame.h"
#include "output/PictureShelf.h"
#include "share/DealRate.h"

#include <QByteArray>
#include <QString>
#include <memory>

// What a phone says and what the game answers, without the network: a message in (deal,
// take a printed card, hello, claim), the shared game, the rates that keep a script from
// taking the room's cards, and the claims queue; the answer out as JSON. The server hands
// it each request's body and the phone's address; it never touches a socket. Not
// thread-safe: the server asks under its lock.
class PlayerProtocol {
public:
    struct Look {
        std::shared_ptr<const PictureShelf> Pictures; // a picture list's, shown on the phones' cards
        CardDesign Design;                            // the list's
    };
    // What the window must hear of since it last heard.
    struct Heard {
        bool SeatsDealt = false;
        bool Claimed = false;
    };

    PlayerProtocol(std::shared_ptr<SharedGame> game, DealRate::Limits rates, std::shared_ptr<ClaimQueue> claims, Look look);

    // The answer to a request's body from `address` at `nowMs`; empty where the body is no
    // message at all (the server answers that with 400).
    QByteArray Answer(const QByteArray& body, const QString& address, qint64 nowMs, Heard& heard);

private:
    std::shared_ptr<SharedGame> Game;
    DealRate Rate;
    std::shared_ptr<ClaimQueue> Claims;
    Look Shown;
};
