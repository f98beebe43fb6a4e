// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The share server against a hostile room, on 127.0.0.0/8 only and bounded in count and
// time: connections that trickle or say nothing don't keep a phone out, and a room of phones
// that drop and come back at once is back with the calls in a few seconds.
#include "share/PhoneHttp.h"
#include "share/ShareServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QUrl>
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <atomic>
#include <thread>
#include <vector>

namespace {

std::shared_ptr<SharedGame> Game()
{
    return std::make_shared<SharedGame>(
        QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(0), 1000,
        [](int n) { return QStringList(24, QString::number(n)); }, [] { return QString::fromLatin1(ShareServer::NewSecret()); },
        SharedGame::Limits{});
}

// A connection from 127.0.0.<host> (standing in for a phone's address), not blocking.
int ConnectFrom(int host, quint16 port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = htonl(0x7F000000u | static_cast<quint32>(host));
    ::bind(s, reinterpret_cast<sockaddr*>(&from), sizeof from);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to);
    ::fcntl(s, F_SETFL, O_NONBLOCK);
    return s;
}

// Whether the server has closed it (a read finds the end, or an error).
bool ClosedByServer(int s)
{
    char byte;
    const ssize_t n = ::recv(s, &byte, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

// Reads from an event stream until `wanted` is in what came, or the time is up.
bool StreamSays(int s, QByteArray& got, const QByteArray& wanted, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!got.contains(wanted) && timer.elapsed() < ms) {
        pollfd p{s, POLLIN, 0};
        if (::poll(&p, 1, 50) > 0) {
            char buffer[4096];
            const ssize_t n = ::recv(s, buffer, sizeof buffer, 0);
            if (n <= 0)
                return false;
            got.append(buffer, n);
        }
    }
    return got.contains(wanted);
}

} // namespace

TEST(ShareAbuse, TricklingAndSilentConnectionsDontKeepAPhoneOut)
{
    ShareServer::Options options;
    options.HeaderMs = 1000;
    options.MaxConnections = 600;
    ShareServer server(Game(), options);
    const quint16 port = static_cast<quint16>(QUrl(server.Url()).port());
    // 500 hostile connections from 50 addresses: half say nothing, half trickle a header.
    std::vector<int> hostile;
    for (int i = 0; i < 500; ++i)
        hostile.push_back(ConnectFrom(2 + i % 50, port));
    for (size_t i = 0; i < hostile.size(); i += 2)
        (void)::send(hostile[i], "GET /", 5, MSG_NOSIGNAL);
    // A phone with the token gets its page at once.
    QElapsedTimer timer;
    timer.start();
    const PhoneReply page = GetFrom(port, QUrl(server.Url()).path().toUtf8());
    EXPECT_EQ(page.Status, 200);
    EXPECT_LT(timer.elapsed(), 2000);
    // Whatever they trickle, past the deadline they are gone.
    for (int second = 0; second < 3; ++second) {
        for (size_t i = 0; i < hostile.size(); i += 2)
            (void)::send(hostile[i], "x", 1, MSG_NOSIGNAL);
        ::usleep(700 * 1000);
    }
    int closed = 0;
    for (int s : hostile) {
        closed += ClosedByServer(s);
        ::close(s);
    }
    EXPECT_EQ(closed, 500);
}

TEST(ShareAbuse, ARoomThatDropsAndComesBackAtOnceHasTheCallsInAFewSeconds)
{
    ShareServer server(Game(), {});
    const quint16 port = static_cast<quint16>(QUrl(server.Url()).port());
    const QByteArray request = "GET " + QUrl(server.Url()).path().toUtf8() + "events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    constexpr int Phones = 300;
    const auto connectAll = [&] {
        std::vector<int> phones;
        for (int i = 0; i < Phones; ++i) {
            phones.push_back(ConnectFrom(2 + i, port));
            pollfd p{phones.back(), POLLOUT, 0};
            ::poll(&p, 1, 1000);
            (void)::send(phones.back(), request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL);
        }
        return phones;
    };
    std::vector<int> phones = connectAll();
    server.SetCalls({"7"});
    // Wi-Fi drops: every phone gone without a word; at once they all come back.
    for (int s : phones)
        ::close(s);
    QElapsedTimer timer;
    timer.start();
    phones = connectAll();
    server.SetCalls({"7", "12"});
    int caughtUp = 0;
    for (int s : phones) {
        QByteArray got;
        caughtUp += StreamSays(s, got, "\"12\"", 3000 - static_cast<int>(std::min<qint64>(timer.elapsed(), 2900)));
    }
    EXPECT_EQ(caughtUp, Phones);
    EXPECT_LT(timer.elapsed(), 3000);
    for (int s : phones)
        ::close(s);
}

TEST(ShareAbuse, AClaimFloodNeitherDelaysTheCallsNorFillsTheHostsList)
{
    auto game = std::make_shared<SharedGame>(
        QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(0), 1000,
        [](int n) { return QStringList(24, QString::number(n)); }, [] { return QString::fromLatin1(ShareServer::NewSecret()); },
        SharedGame::Limits{500, 0}); // no gap between a seat's claims: the flood at its worst
    ShareServer::Options options;
    options.Rates = {100, 1, 100, 100}; // the fifty seats all from 127.0.0.1
    ShareServer server(game, options);
    const quint16 port = static_cast<quint16>(QUrl(server.Url()).port());
    const QByteArray base = QUrl(server.Url()).path().toUtf8();
    std::vector<QByteArray> secrets;
    for (int i = 0; i < 50; ++i)
        secrets.push_back(QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body)
                              .object().value("secret").toString().toLatin1());
    QSignalSpy heard(&server, &ShareServer::ClaimHeard);
    const int stream = ConnectFrom(200, port);
    const QByteArray request = "GET " + base + "events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    pollfd p{stream, POLLOUT, 0};
    ::poll(&p, 1, 1000);
    (void)::send(stream, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL);
    QByteArray got;
    ASSERT_TRUE(StreamSays(stream, got, "\"count\":0", 2000));

    // 1,000 claims from 50 seats on two threads while ten calls are made.
    std::atomic<bool> flooding = true;
    std::atomic<int> sent = 0;
    std::vector<std::thread> flood;
    for (int t = 0; t < 2; ++t)
        flood.emplace_back([&, t] {
            for (int i = 0; i < 500 && flooding; ++i, ++sent)
                PostTo(port, base + "say", "{\"type\":\"claim\",\"secret\":\"" + secrets[static_cast<size_t>((i * 2 + t) % 50)] + "\"}");
        });
    // The calls start once the flood has (on a busy machine the threads start late).
    for (int waited = 0; sent < 20 && waited < 5000; waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    QStringList calls;
    qint64 worst = 0;
    for (int call = 1; call <= 10; ++call) {
        calls << QString::number(call);
        QElapsedTimer timer;
        timer.start();
        server.SetCalls(calls);
        EXPECT_TRUE(StreamSays(stream, got, "\"count\":" + QByteArray::number(call), 1000)) << "call " << call;
        worst = std::max(worst, timer.elapsed());
        QCoreApplication::processEvents();
    }
    flooding = false;
    for (std::thread& t : flood)
        t.join();
    EXPECT_LT(worst, 1000);
    if (heard.isEmpty())
        heard.wait(2000);
    // Handed to the window in batches, a card's claims as one: far fewer than were made.
    EXPECT_GT(heard.size(), 0);
    EXPECT_LE(heard.size(), 1000);
    ::close(stream);
}

TEST(ShareAbuse, ASeatGrabberOnOneAddressGetsOnlyAFew)
{
    ShareServer server(Game(), {});
    const quint16 port = static_cast<quint16>(QUrl(server.Url()).port());
    const QByteArray say = QUrl(server.Url()).path().toUtf8() + "say";
    // A script on one address asks for 100 seats at once: it gets the first few.
    int grabbed = 0;
    for (int i = 0; i < 100; ++i)
        grabbed += QJsonDocument::fromJson(PostTo(port, say, R"({"type":"deal"})").Body).object().contains("card");
    EXPECT_EQ(grabbed, static_cast<int>(DealRate::Limits{}.PerAddressBurst));
    EXPECT_EQ(QJsonDocument::fromJson(PostTo(port, say, R"({"type":"deal"})").Body).object().value("error").toString(),
              QStringLiteral("Many cards were just given to phones on this connection. Wait a little and try again."));
}

TEST(ShareAbuse, SeatsTakenByAScriptThatLeftFreeTheirPlaceForThePhones)
{
    auto game = std::make_shared<SharedGame>(
        QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(0), 1000,
        [](int n) { return QStringList(24, QString::number(n)); }, [] { return QString::fromLatin1(ShareServer::NewSecret()); },
        SharedGame::Limits{2, 5000}); // a game of two players
    ShareServer::Options options;
    options.SeatAwaySeconds = 1;
    options.Rates = {100, 1, 100, 100}; // every phone here is 127.0.0.1
    ShareServer server(game, options);
    const quint16 port = static_cast<quint16>(QUrl(server.Url()).port());
    const QByteArray base = QUrl(server.Url()).path().toUtf8();
    const auto deal = [&] { return QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body).object(); };
    // A phone that holds its stream, and a script that took the other seat and left.
    const QByteArray phone = deal().value("secret").toString().toLatin1();
    ASSERT_TRUE(deal().contains("card"));
    EXPECT_TRUE(deal().contains("error")); // full
    const int stream = ConnectFrom(9, port);
    const QByteArray request = "GET " + base + "events?seat=" + phone + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    pollfd p{stream, POLLOUT, 0};
    ::poll(&p, 1, 1000);
    (void)::send(stream, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL);
    // Past the time away, the script's seat counts no more: a phone in the room gets one.
    QElapsedTimer timer;
    timer.start();
    QJsonObject third;
    while (timer.elapsed() < 5000 && !(third = deal()).contains("card"))
        ::usleep(200 * 1000);
    EXPECT_TRUE(third.contains("card"));
    EXPECT_GE(timer.elapsed(), 900);
    // The phone holding its stream kept its place: the game is full again.
    EXPECT_TRUE(deal().contains("error"));
    ::close(stream);
}

TEST(ShareAbuse, StreamsWithoutASeatTakeOnlyTheirShareOfThePlaces)
{
    ShareServer::Options options;
    options.MaxConnections = 40; // a quarter, 10, for streams without a seat
    options.Rates = {100, 1, 100, 100};
    ShareServer server(Game(), options);
    const quint16 port = static_cast<quint16>(QUrl(server.Url()).port());
    const QByteArray base = QUrl(server.Url()).path().toUtf8();
    const auto open = [&](int host, const QByteArray& seat = {}) {
        const int s = ConnectFrom(host, port);
        pollfd p{s, POLLOUT, 0};
        ::poll(&p, 1, 1000);
        const QByteArray request = "GET " + base + "events" + (seat.isEmpty() ? QByteArray() : "?seat=" + seat) +
                                   " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        (void)::send(s, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL);
        return s;
    };
    // A stream that ends: its last chunk comes, or its connection closes.
    const auto ends = [](int s, QByteArray& got) {
        return StreamSays(s, got, "\r\n0\r\n\r\n", 3000) || ClosedByServer(s);
    };
    // A brief stream says the calls and ends, asking to come back later.
    const auto brief = [&](int s) {
        QByteArray got;
        return ends(s, got) && got.contains("retry: 5000");
    };
    const auto holds = [&](int s) {
        QByteArray got;
        return StreamSays(s, got, "\"count\":0", 3000) && got.contains("retry: 2000");
    };
    std::vector<int> opened;
    // One address: four hold, the fifth is brief.
    for (int i = 0; i < 5; ++i)
        opened.push_back(open(2));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(holds(opened[i])) << i;
    EXPECT_TRUE(brief(opened[4]));
    // Six more from other addresses reach the quarter; the eleventh is brief.
    for (int i = 0; i < 7; ++i)
        opened.push_back(open(3 + i / 3));
    for (int i = 5; i < 11; ++i)
        EXPECT_TRUE(holds(opened[static_cast<size_t>(i)])) << i;
    EXPECT_TRUE(brief(opened[11]));
    // A phone that takes a card holds its stream all the same; a wrong secret is no seat.
    const QByteArray secret = QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body)
                                  .object().value("secret").toString().toLatin1();
    ASSERT_FALSE(secret.isEmpty());
    const int first = open(20, secret);
    EXPECT_TRUE(holds(first));
    EXPECT_TRUE(brief(open(21, QByteArray(32, 'a'))));
    // The same seat again (a reload): the newer holds, the older ends.
    const int again = open(20, secret);
    EXPECT_TRUE(holds(again));
    QByteArray rest;
    EXPECT_TRUE(ends(first, rest));
    opened.insert(opened.end(), {first, again});
    for (int s : opened)
        ::close(s);
}
