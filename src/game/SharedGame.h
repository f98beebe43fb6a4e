// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"
#include "game/CardView.h"
#include "game/NinetyBall.h"
#include "game/Patterns.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A numbered game shared with the phones in the room, as the caller hosts it: seats dealt to
// phones, each with a secret that only its phone knows, the calls so far, and claims checked
// at once with the checker's own rule. No network here: the server passes what the phones
// say in and what the game answers out.
class SharedGame {
public:
    struct Limits {
        int MaxPlayers = 500;
        qint64 ClaimGapMs = 5000; // one claim a seat in this time
    };
    using Cards = std::function<QStringList(int card)>; // card n's cells, as printed
    using Secrets = std::function<QString()>;            // a new secret: 128 random bits in hex

    // Where the game's cards are counted: every card printed, exported or dealt by anyone,
    // asked at the moment a phone is dealt one (the window that prints, plumwick-print and
    // these phones all deal from one game). Called with the game's own lock held.
    struct Ledger {
        std::function<int()> Had;      // how many cards (1 .. Had) have been had by now
        std::function<int()> TakeNext; // the next card no one has had, counted as had from now on
        // A ledger of this game alone, for where no record is kept: cards 1 .. used had.
        static Ledger Counting(int used);
    };

    // Phones are dealt the cards the ledger gives, no further than `limit`, the cards the
    // list can give.
    SharedGame(QString code, CardOptions options, Pattern pattern, Ledger ledger, int limit, Cards cards,
               Secrets secrets, Limits limits);
    // A game of 90-ball tickets: a seat is a ticket, numbered through the game (ticket 8 is
    // ticket 2 of strip 2); the ledger and `limit` count tickets.
    using Tickets = std::function<NinetyBall::Ticket(int ticket)>;
    SharedGame(QString code, NinetyBall::TicketPattern pattern, Ledger ledger, int limit, Tickets tickets, Secrets secrets,
               Limits limits);
    bool IsTickets() const { return static_cast<bool>(TicketOf); }
    const CardOptions& CardOptionsOf() const { return Options; }

    struct Seat {
        QString Secret;
        int Card = 0;
        CardView View;                            // a card's seat
        std::optional<NinetyBall::Ticket> Ticket; // a ticket's seat
    };
    struct Dealt {
        std::optional<Seat> Got;
        QString Error; // why not, for the phone
        bool WrongCode = false; // a check code typed that is not the card's
    };
    // The next card no one has: never printed, exported or dealt. `address` is the phone's
    // network address, kept with its seat for the host.
    Dealt Deal(const QString& address = {});
    // A printed card in a player's hand: one the ledger says was had, that no phone holds yet,
    // with the check code printed under it where the game's cards have one.
    Dealt Take(int card, const QString& check = {}, const QString& address = {});
    // The check code printed on card n (empty: none); without it, any printed card is taken.
    // The word before the check code on the printed card ("Check", or the game's language's),
    // named when a phone must type the code.
    void SetCheckWord(const QString& word) { CheckWord = word; }
    void SetCheckCodes(std::function<QString(int card)> codeOf) { CheckOf = std::move(codeOf); }
    // The seat of a secret (a phone back after a reload).
    std::optional<Seat> SeatOf(const QString& secret) const;

    // The seats taken, but those whose phone went away (see RestAway).
    int Players() const { return static_cast<int>(Seats.size() - Away.size()); }
    // A phone back (a reload, a wake): its seat, no longer away.
    std::optional<Seat> Greet(const QString& secret);
    // Seats whose phone has not held the calls' stream (`listening`: their secrets) for
    // `idleMs` count no more against the players the game takes: a script that took seats
    // and left frees them for the phones in the room. Such a phone that comes back (Greet)
    // has its seat as before. Called now and then; returns how many went away now.
    int RestAway(qint64 nowMs, qint64 idleMs, const QSet<QString>& listening);
    // The seats for the host: each card held, with its phone's address, by address then card.
    struct SeatRow {
        QString Address;
        int Card = 0;
    };
    QList<SeatRow> SeatList() const;
    // The host lets go of a seat, or of every seat of one address, without stopping the game:
    // their phones are refused from then on, and a printed card can be taken again by the
    // phone of whoever holds the paper. Returns how many went.
    int RemoveSeat(int card);
    int RemoveAddress(const QString& address);
    // The highest card dealt to a phone here.
    int Used() const { return UsedCards; }
    const QString& Code() const { return GameCode; }
    const ::Pattern& PlayingFor() const { return Playing; }
    void SetPattern(::Pattern pattern) { Playing = std::move(pattern); }
    NinetyBall::TicketPattern TicketPlaying() const { return TicketGoal; }
    void SetTicketPattern(NinetyBall::TicketPattern pattern) { TicketGoal = pattern; }

    void SetCalls(const QStringList& calls) { CallsSoFar = calls; }
    const QStringList& Calls() const { return CallsSoFar; }

    struct Claim {
        bool Heard = false; // false: an unknown seat, or a second claim too soon
        int Card = 0;
        Verdict Result;
        QString Text; // the caller's line: "Card 17 claims bingo: verified, row 3"
    };
    Claim MakeClaim(const QString& secret, qint64 nowMs);

private:
    QString CheckWord = QStringLiteral("Check");
    Dealt SeatFor(int card, const QString& address);
    void Forget(const QString& secret);
    Seat SeatAt(const QString& secret, int card) const;
    Verdict Judge(const Seat& seat) const;

    QString GameCode;
    CardOptions Options;
    ::Pattern Playing;
    Ledger Book;
    int UsedCards = 0;
    int Limit;
    Cards CardCells;
    Tickets TicketOf;
    std::function<QString(int)> CheckOf;
    NinetyBall::TicketPattern TicketGoal = NinetyBall::TicketPattern::OneLine;
    Secrets NewSecret;
    Limits Bounds;
    QHash<QString, int> Seats;       // secret -> card
    QHash<QString, QString> Addresses; // secret -> the phone's address
    QHash<QString, qint64> LastHeard;  // secret -> when its phone last held the stream
    QSet<QString> Away;                // seats whose phone went away
    QSet<int> Taken;                 // cards held by a phone
    QHash<QString, qint64> LastClaim; // secret -> when
    QStringList CallsSoFar;
};
