// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A shared game with 500 honest phones beside an attack, on 127.0.0.0/8 only, bounded in count
// and time (it stops by itself within a minute):
//   share_abuse none|slow|storm|grab|claims
//   slow    1,000 connections from 100 addresses that trickle a header byte now and then
//   storm   every phone drops at once and comes back
//   grab    16 addresses ask for 100 seats each, as fast as they can
//   claims  100 seats claim as fast as they can
//   streams 60 addresses open 32 event streams each, without a seat
// Reports the honest phones holding their stream, how long a new phone takes to get its
// card, how long each call takes to reach the phones (median, 99th percentile), the
// server's memory, and how late the window's event loop ran (a key to a call).
#include "Measure.h"
#include "share/ShareServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

QHostAddress Loopback(int network, int i)
{
    return QHostAddress(QStringLiteral("127.%1.%2.%3").arg(network).arg(1 + i / 250).arg(1 + i % 250));
}

// A raw connection from a loopback address, not blocking: the slow attacker's.
int RawFrom(const QHostAddress& from, quint16 port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(from.toIPv4Address());
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::fcntl(s, F_SETFL, O_NONBLOCK);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to);
    return s;
}

QByteArray Post(const QUrl& url, const QByteArray& body)
{
    return "POST " + url.path().toUtf8() + "say HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\n"
           "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("none");
    constexpr int Phones = 500, Calls = 30;
    auto game = std::make_shared<SharedGame>(
        QStringLiteral("LOAD-TEST"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(0), 100000,
        [](int n) { return QStringList(24, QString::number(n)); }, [] { return QString::fromLatin1(ShareServer::NewSecret()); },
        SharedGame::Limits{100000, 0});
    ShareServer::Options options;
    options.Address = QHostAddress::LocalHost;
    ShareServer server(game, options);
    const QUrl url(server.Url());
    const quint16 port = static_cast<quint16>(url.port());
    const long before = RssKb();
    QElapsedTimer clock;
    clock.start();

    // The honest phones: each holds the calls' stream from an address of its own.
    std::vector<std::unique_ptr<QTcpSocket>> phones(Phones);
    std::vector<QByteArray> seen(Phones);
    std::vector<qint64> latencies;
    int callNo = 0;
    qint64 calledAt = 0;
    const auto connectPhone = [&](int i) {
        phones[i] = std::make_unique<QTcpSocket>();
        QTcpSocket* s = phones[i].get();
        QObject::connect(s, &QTcpSocket::readyRead, s, [&, s, i] {
            seen[i] += s->readAll();
            if (callNo > 0 && seen[i].contains("\"count\":" + QByteArray::number(callNo) + "}")) {
                latencies.push_back(clock.elapsed() - calledAt);
                seen[i].clear();
            }
        });
        s->bind(Loopback(1, i), 0);
        s->connectToHost(QHostAddress::LocalHost, port);
        s->write("GET " + url.path().toUtf8() + "events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    };
    for (int i = 0; i < Phones; ++i)
        connectPhone(i);

    // The attack, from 127.2.x.y.
    std::vector<int> raw;
    std::vector<std::unique_ptr<QTcpSocket>> attackers;
    int grabbed = 0, claimsSent = 0;
    std::vector<QByteArray> seats;
    QTimer attack;
    const auto ask = [&](const QHostAddress& from, const QByteArray& request, std::function<void(const QByteArray&)> done) {
        auto socket = std::make_unique<QTcpSocket>();
        QTcpSocket* s = socket.get();
        auto reply = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [s, reply] { *reply += s->readAll(); });
        QObject::connect(s, &QTcpSocket::disconnected, s, [reply, done] { done(reply->mid(reply->indexOf("\r\n\r\n") + 4)); });
        s->bind(from, 0);
        s->connectToHost(QHostAddress::LocalHost, port);
        s->write(request);
        attackers.push_back(std::move(socket));
    };
    QTimer::singleShot(1000, [&] {
        if (mode == "slow") {
            for (int i = 0; i < 1000; ++i) {
                raw.push_back(RawFrom(Loopback(2, i % 100), port));
                (void)::send(raw.back(), "GET /", 5, MSG_NOSIGNAL);
            }
            QObject::connect(&attack, &QTimer::timeout, [&] {
                for (int& s : raw) // a byte now and then; cut ones come back
                    if (::send(s, "x", 1, MSG_NOSIGNAL) < 0) {
                        ::close(s);
                        s = RawFrom(Loopback(2, static_cast<int>(&s - raw.data()) % 100), port);
                    }
            });
            attack.start(500);
        } else if (mode == "grab") {
            for (int a = 0; a < 16; ++a)
                for (int i = 0; i < 100; ++i)
                    ask(Loopback(2, a), Post(url, R"({"type":"deal"})"),
                        [&](const QByteArray& body) { grabbed += body.contains("\"card\""); });
        } else if (mode == "streams") {
            const QByteArray request = "GET " + url.path().toUtf8() + "events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
            for (int i = 0; i < 60 * 32; ++i) {
                raw.push_back(RawFrom(Loopback(2, i % 60), port));
                pollfd p{raw.back(), POLLOUT, 0};
                ::poll(&p, 1, 100);
                (void)::send(raw.back(), request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL);
            }
        } else if (mode == "claims") {
            for (int i = 0; i < 100; ++i)
                ask(Loopback(3, i), Post(url, R"({"type":"deal"})"), [&](const QByteArray& body) {
                    seats.push_back(QJsonDocument::fromJson(body).object().value("secret").toString().toLatin1());
                });
            QObject::connect(&attack, &QTimer::timeout, [&] {
                for (int i = 0; i < 20 && !seats.empty() && claimsSent < 30000; ++i, ++claimsSent)
                    ask(Loopback(3, claimsSent % 100),
                        Post(url, "{\"type\":\"claim\",\"secret\":\"" + seats[static_cast<size_t>(claimsSent) % seats.size()] + "\"}"),
                        [](const QByteArray&) {});
                attackers.erase(std::remove_if(attackers.begin(), attackers.end(),
                                               [](const auto& s) { return s->state() == QAbstractSocket::UnconnectedState; }),
                                attackers.end());
            });
            attack.start(5);
        }
    });
    qint64 stormAt = 0;
    if (mode == "storm")
        QTimer::singleShot(3000, [&] {
            stormAt = clock.elapsed();
            for (int i = 0; i < Phones; ++i) {
                phones[i]->abort();
                connectPhone(i);
            }
        });

    // A new phone during the attack: how long to its card.
    qint64 cardMs = -1;
    QTimer::singleShot(4000, [&] {
        const qint64 start = clock.elapsed();
        ask(QHostAddress(QStringLiteral("127.4.0.1")), Post(url, R"({"type":"deal"})"),
            [&, start](const QByteArray& body) { cardMs = body.contains("\"card\"") ? clock.elapsed() - start : -2; });
    });

    // The window's loop, and the calls: 30, 200 ms apart, from the second second on.
    qint64 lastTick = clock.elapsed(), worstLate = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstLate = std::max(worstLate, clock.elapsed() - lastTick - 10);
        lastTick = clock.elapsed();
    });
    tick.start(10);
    QStringList calls;
    QTimer caller;
    QObject::connect(&caller, &QTimer::timeout, [&] {
        if (callNo == Calls)
            return app.quit();
        calls << QString::number(++callNo);
        calledAt = clock.elapsed();
        server.SetCalls(calls);
    });
    QTimer::singleShot(2000, [&] { caller.start(200); });
    QTimer::singleShot(60000, [&] { app.quit(); });
    app.exec();

    const long after = RssKb();
    std::printf("%s: honest phones holding their stream %d of %d (%d connections in all)\n", mode.constData(),
                server.Connected(), Phones, static_cast<int>(raw.size() + attackers.size()) + Phones);
    std::printf("a new phone's card: %lld ms%s\n", static_cast<long long>(cardMs), cardMs < 0 ? " (none)" : "");
    std::printf("calls delivered %zu of %d: median %.0f ms, p99 %.0f ms\n", latencies.size(), Phones * Calls,
                Percentile(latencies, 0.5), Percentile(latencies, 0.99));
    if (mode == "grab")
        std::printf("seats the grabbers got: %d of 1600 asked\n", grabbed);
    if (mode == "claims")
        std::printf("claims sent: %d\n", claimsSent);
    if (mode == "storm")
        std::printf("storm at %lld ms\n", static_cast<long long>(stormAt));
    std::printf("memory: %ld KB before, %ld KB after; event loop at most %lld ms late\n", before, after,
                static_cast<long long>(worstLate));
    for (int s : raw)
        ::close(s);
    return 0;
}
