// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "output/PictureShelf.h"
#include "game/ClaimQueue.h"
#include "game/SharedGame.h"
#include "share/ConnectionGuard.h"
#include "share/DealRate.h"
#include "share/PlayerProtocol.h"

#include <QByteArray>
#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct MHD_Daemon;

// The caller's game shared on the local network, for the phones in the room: a small web
// server (GNU libmicrohttpd) that listens only while the host shares, on the address the
// host chose, and serves nothing but this game, and only under its token:
//   GET  /TOKEN/         the player's page
//   GET  /TOKEN/events   the calls as they are made (Server-Sent Events)
//   POST /TOKEN/say      what a phone says; the game's answer in JSON (PlayerProtocol)
// Requests over 4 KB, more players than the game takes and idle connections are refused or
// closed. An event stream belongs to a seat, one to each; streams without one (a phone that
// has not taken a card yet) are a few to an address and a quarter of the places in all, and
// one beyond that sends the calls and ends, asking to be opened again a little later. One event-driven thread serves every connection (libmicrohttpd's epoll loop): an
// event stream waits suspended, costing no thread, and is woken by a call or its keep-alive;
// a connection that has not sent a whole request with the token in a few seconds is cut
// (ConnectionGuard), and such connections go first when the connections run short. Every
// answer but the event stream closes its connection. Its threads never touch the window:
// what the host must hear arrives as signals.
class ShareServer final : public QObject {
    Q_OBJECT

public:
    struct Options {
        QHostAddress Address = QHostAddress::LocalHost;
        quint16 Port = 0;            // 0: a free one
        int IdleSeconds = 30;        // a connection that says nothing this long is closed
        int KeepAliveSeconds = 2;    // a waiting event stream says so this often: a phone gone is found by then
        int HeaderMs = 4000;         // a request with the token must have come in whole by then
        int MaxConnections = 2000;
        DealRate::Limits Rates;      // how fast seats are dealt, to one address and in all
        int SeatAwaySeconds = 120;   // a seat whose phone holds no stream this long counts no more
        int StreamsPerAddress = 4;   // event streams without a seat from one address
        std::shared_ptr<const PictureShelf> Pictures; // a picture list's, shown on the phones' cards
        CardDesign Design;                            // the list's: its title, footer and colours
        std::shared_ptr<ClaimQueue> Claims;           // where the claims go (a queue of its own where none)
    };
    // Listens at once; raises PlatformError when it can't.
    ShareServer(std::shared_ptr<SharedGame> game, const Options& options, QObject* parent = nullptr);
    ~ShareServer() override; // stops listening and closes every connection

    // What the phones open: http://HOST:PORT/TOKEN/
    QString Url() const;
    QByteArray Token() const { return SecretToken; }
    int Connected() const;

    // 128 bits from the system's random source, as 32 hex digits: the sharing's token and
    // the seats' secrets.
    static QByteArray NewSecret();

    // The calls now, after a call or an undo in the caller.
    void SetCalls(const QStringList& calls);
    // The pattern claims are checked against from now on, and what the phones show of it:
    // `title` ("Prize 2 of 3: Four corners"; empty: the pattern's name) and, for a card, its
    // picture.
    void SetPattern(const Pattern& pattern, const QString& title = {});
    void SetTicketPattern(NinetyBall::TicketPattern pattern, const QString& title = {});
    // Said on every phone at once, large: "Bingo! Card 17".
    void Announce(const QString& news);

    // The seats, for the host; letting go of one seat, or of every seat of an address.
    QList<SharedGame::SeatRow> Seats() const;
    int RemoveSeat(int card);
    int RemoveAddress(const QString& address);

Q_SIGNALS:
    // A claim came into the queue (a card's latest of those since the window last heard).
    void ClaimHeard(const QString& text, int card, bool bingo);
    void ConnectedChanged(int players);
    void SeatsChanged(); // a seat dealt or let go (at most a few times a second)

public:
    // For the server's own threads.
    struct Stream;
    struct Request;
    int Answer(void* connection, const char* url, const char* method, const char* upload, size_t* uploadSize,
               void** state);
    long Read(Stream* stream, char* buffer, size_t size);
    void Close(Stream* stream);
    void ConnectionStarted(void* connection);
    void ConnectionClosed(void* connection);

private:
    QByteArray Say(const QByteArray& body, const QString& address);
    QByteArray Snapshot() const;
    // With Lock held: every suspended stream goes on (to send what is new, or a keep-alive).
    void WakeStreams();
    // With Lock held: a new stream takes its place, or is brief where its share is taken.
    void Place(Stream& stream);
    void ShowPrize(const QJsonObject& prize); // with Lock held
    void HandOverClaims();
    bool HostAllowed(const char* host) const;
    void SweepLoop();

    std::shared_ptr<SharedGame> Game;
    Options Settings;
    QByteArray SecretToken;
    QByteArray Page;
    QByteArray PagePolicy;
    MHD_Daemon* Daemon = nullptr;
    quint16 BoundPort = 0;

    std::unique_ptr<ConnectionGuard> Guard;
    std::unique_ptr<PlayerProtocol> Protocol; // under Lock
    mutable std::mutex Lock;
    std::condition_variable Changed; // wakes the sweeper to stop
    std::vector<QByteArray> Events; // every call and undo, in order
    QJsonObject Prize;              // what the phones show of the pattern played
    std::vector<Stream*> Live;      // the event streams open
    // Claims go into the queue at once; the window hears of those since it last heard in one
    // go however many come, so a flood of claims never queues up before a key press.
    bool ClaimsPosted = false;
    bool SeatsDealt = false; // since the window last heard
    int Streams = 0;
    bool Stopping = false;
    std::thread Sweeper;
};
