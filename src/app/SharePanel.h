// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/PictureShelf.h"
#include "game/CardView.h"
#include "game/NinetyBall.h"
#include "game/Patterns.h"
#include "records/GameHistory.h"

#include <QHostAddress>
#include <QWidget>
#include <functional>
#include <memory>

class CardGridView;
class ClaimQueue;
class TicketGridView;
class Prompts;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class ShareServer;
class SharedGame;

// The caller's side of a game shared with the phones in the room: the address and its QR
// code, large enough to scan from the back of the room, the network to share on, how many
// phones are connected, and the claims as they come, each with its card (or a ticket game's
// ticket) drawn and its line outlined, to confirm or clear. Nothing listens until Start(); Stop() or closing the
// caller ends the sharing and every connection.
class SharePanel final : public QWidget {
    Q_OBJECT

public:
    SharePanel(QWidget* parent, Prompts& asks);
    ~SharePanel() override;

    // Shares the game now being called, with the calls so far; raises PlatformError.
    void Start(const GameSource& game, const QStringList& calls);
    // A picture list's pictures and the list's design, for the phones' cards (from the next
    // Start on).
    void SetLook(std::shared_ptr<const PictureShelf> pictures, const CardDesign& design)
    {
        Pictures = std::move(pictures);
        Design = design;
    }
    void Stop();
    bool Sharing() const { return Server != nullptr; }
    void SetCalls(const QStringList& calls);
    QString Url() const;
    // The oldest claim neither confirmed nor cleared, as listed, and its card; empty and 0
    // when none waits.
    QString WaitingClaim() const;
    int WaitingCard() const;
    // Plays for a prize: the pattern of that key ("corners"; a ticket's "one", "two",
    // "house") chosen, and `title` shown on the phones. Empty title: the pattern's name;
    // empty key: the pattern as chosen.
    void PlayFor(const QString& key, const QString& title);
    // Said on every phone: "Bingo! Card 17".
    void Announce(const QString& news);

    QLabel* LblQr = nullptr;
    QLabel* LblUrl = nullptr;
    QComboBox* CboAddress = nullptr;
    QComboBox* CboPattern = nullptr;
    QComboBox* CboJoin = nullptr; // where the room display shows how to join: a corner, large, not
    QLabel* LblPlayers = nullptr;
    QListWidget* LstSeats = nullptr; // the phones' seats, by address: the host may let one go
    QPushButton* BtnRemoveSeat = nullptr;
    QPushButton* BtnRemoveAddress = nullptr;
    QListWidget* LstClaims = nullptr;
    QPushButton* BtnConfirm = nullptr; // a claim that wins with the calls made
    QPushButton* BtnDecide = nullptr;  // one that does not, confirmed as the host's decision
    QPushButton* BtnClear = nullptr;
    CardGridView* ClaimCard = nullptr;
    TicketGridView* ClaimTicket = nullptr; // a ticket game's claims

Q_SIGNALS:
    void ClaimArrived(const QString& text);
    // A claim came, or was confirmed or cleared: WaitingClaim() may say another.
    void ClaimsChanged();
    // The host confirmed a card's claim; `line` is what it won with, as it stands now (none
    // where it was the host's decision against the rules).
    void ClaimConfirmed(int card, const QString& line, bool hostsDecision);
    // The host cleared a claim not confirmed: rejected, as the list said it.
    void ClaimCleared(int card, const QString& text);
    void JoinChanged(); // where or at which address the phones join

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Listen(const QHostAddress& address);
    void AddClaim(const QString& text, int card, bool bingo);
    // The claims as the queue has them, the card's entry current (0: the one current now).
    void ShowClaims(int card = 0);
    void ShowClaim();
    void Settle(bool hostsDecision);
    void ShowSeats();
    void RemoveSeats(bool wholeAddress);
    void ShowQr();
    void SayRecordFailure(const QString& note);
    Pattern ChosenPattern() const;
    // A claimed card or ticket judged for the pattern chosen, with the calls so far.
    struct Judged {
        CardView Card;
        NinetyBall::Ticket Ticket;
        std::vector<bool> Marked; // the card's cells; for a ticket, the numbers called
        Verdict CardResult;
        NinetyBall::TicketVerdict TicketResult;
        bool Wins = false; // with the calls made
        QString Line;      // what it won with ("row 2", "rows 1 and 3"); empty if nothing
    };
    Judged Judge(int card) const;

    NinetyBall::TicketPattern ChosenTicketPattern() const;
    // The server checks claims for the pattern chosen, and the phones show it.
    void TellPattern();

    Prompts& Asks;
    GameSource Game;
    QStringList Calls;
    std::shared_ptr<const PictureShelf> Pictures;
    CardDesign Design;
    std::function<QStringList(int)> CardOf; // the game's card n, planned as far as asked
    std::function<NinetyBall::Ticket(int)> TicketOf; // or its ticket n, counted through the game
    std::shared_ptr<SharedGame> Shared;
    std::shared_ptr<ClaimQueue> Queue; // this sharing's claims, whatever address it listens on
    std::unique_ptr<ShareServer> Server;
    bool RecordFailureSaid = false;
    QString PrizeTitle; // what the phones show of the prize played
};
