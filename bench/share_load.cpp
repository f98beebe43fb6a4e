// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// 300 phones on a shared game, on 127.0.0.1 only: each holds the calls' event stream open
// while 30 calls are made, 200 ms apart. Reports how long each call took to reach every
// phone (median and 99th percentile), the server's memory per phone, and how late the
// window's event loop ran meanwhile. Bounded in count and time: it stops by itself.
//   share_load [PHONES]
#include "Measure.h"
#include "share/ShareServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int phones = argc > 1 ? std::clamp(atoi(argv[1]), 1, 480) : 300;
    constexpr int Calls = 30;
    QStringList words;
    for (int i = 1; i <= 75; ++i)
        words << QString::number(i);
    auto game = std::make_shared<SharedGame>(
        QStringLiteral("LOAD-TEST"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(0), 1000,
        [](int) { return QStringList(); }, [] { return QString(32, u'0'); }, SharedGame::Limits{});
    ShareServer::Options options;
    options.Address = QHostAddress::LocalHost;
    options.Rates = {1000, 1, 1000, 1000}; // every phone of the benchmark comes from 127.0.0.1
    ShareServer server(game, options);
    const QUrl url(server.Url());
    const long before = RssKb();

    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    std::vector<QByteArray> seen(static_cast<size_t>(phones));
    std::vector<qint64> latencies;
    QElapsedTimer clock;
    clock.start();
    qint64 calledAt = 0;
    int callNo = 0;
    for (int i = 0; i < phones; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        QTcpSocket* s = socket.get();
        QObject::connect(s, &QTcpSocket::readyRead, s, [&, s, i] {
            seen[static_cast<size_t>(i)] += s->readAll();
            const QByteArray marker = "\"count\":" + QByteArray::number(callNo) + "}";
            if (callNo > 0 && seen[static_cast<size_t>(i)].contains(marker)) {
                latencies.push_back(clock.elapsed() - calledAt);
                seen[static_cast<size_t>(i)].clear();
            }
        });
        // Each phone from an address of its own in the loopback range, as phones in a room
        // come from addresses of their own (the server takes 16 connections an address).
        s->bind(QHostAddress(QStringLiteral("127.0.%1.%2").arg(1 + i / 250).arg(1 + i % 250)), 0);
        s->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(url.port()));
        s->write("GET " + url.path().toUtf8() + "events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        sockets.push_back(std::move(socket));
    }
    // The window's loop: a 10 ms timer, and how late it ever fired.
    qint64 lastTick = clock.elapsed(), worstLate = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        worstLate = std::max(worstLate, now - lastTick - 10);
        lastTick = now;
    });
    tick.start(10);
    QStringList calls;
    QTimer caller;
    QObject::connect(&caller, &QTimer::timeout, [&] {
        if (callNo == Calls) {
            app.quit();
            return;
        }
        calls << words[callNo];
        ++callNo;
        calledAt = clock.elapsed();
        server.SetCalls(calls);
    });
    QTimer::singleShot(2000, [&] { caller.start(200); }); // every phone connected first
    QTimer::singleShot(60000, [&] { app.quit(); });        // and never longer than a minute
    app.exec();
    const long after = RssKb();
    const int connected = server.Connected();
    std::printf("phones %d (connected %d), calls %d, deliveries %zu of %d\n", phones, connected, Calls, latencies.size(),
                phones * Calls);
    std::printf("delivery ms: median %.0f, p99 %.0f, worst %.0f\n", Percentile(latencies, 0.5),
                Percentile(latencies, 0.99), Percentile(latencies, 1.0));
    std::printf("memory: %.1f KB a phone (%ld KB before, %ld KB with the phones)\n",
                phones ? static_cast<double>(after - before) / phones : 0.0, before, after);
    std::printf("event loop: at most %lld ms late\n", static_cast<long long>(worstLate));
    return latencies.size() == static_cast<size_t>(phones) * Calls ? 0 : 1;
}
