// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The shared game's server on 127.0.0.1: nothing without its token, a card dealt and found
// again by its secret, claims answered and heard by the host, the calls streamed as they
// are made, requests over 4 KB refused, and every connection closed when sharing stops.
#include "share/ShareServer.h"
#include "share/PhoneHttp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

std::shared_ptr<SharedGame> Game()
{
    QStringList words;
    for (int i = 1; i <= 75; ++i)
        words << QString::number(i);
    auto counter = std::make_shared<int>(0);
    return std::make_shared<SharedGame>(
        QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(10), 1000,
        [](int n) {
            QStringList cells;
            for (int i = 0; i < 24; ++i)
                cells << QString::number(n * 100 + i);
            return cells;
        },
        [counter] { return QStringLiteral("%1").arg(++*counter, 32, 16, QChar(u'0')); }, SharedGame::Limits{});
}

QJsonObject Json(const PhoneReply& reply)
{
    return QJsonDocument::fromJson(reply.Body).object();
}

quint16 PortOf(const ShareServer& server)
{
    return static_cast<quint16>(QUrl(server.Url()).port());
}

} // namespace

TEST(ShareServer, ServesNothingWithoutItsToken)
{
    ShareServer server(Game(), {});
    const quint16 port = PortOf(server);
    ASSERT_GT(port, 0);
    EXPECT_TRUE(server.Url().startsWith(QStringLiteral("http://127.0.0.1:")));
    EXPECT_EQ(server.Token().size(), 32);
    const QByteArray base = "/" + server.Token() + "/";
    EXPECT_EQ(GetFrom(port, "/").Status, 404);
    EXPECT_EQ(GetFrom(port, "/" + QByteArray(32, '0') + "/").Status, 404);
    EXPECT_EQ(GetFrom(port, "/" + server.Token().left(31) + "/").Status, 404);
    EXPECT_EQ(GetFrom(port, "/../../etc/passwd").Status, 404);
    EXPECT_EQ(GetFrom(port, base + "Options.ini").Status, 404);
    const PhoneReply page = GetFrom(port, base);
    EXPECT_EQ(page.Status, 200);
    EXPECT_TRUE(page.Head.contains("Content-Security-Policy: default-src 'none'; script-src 'sha256-"));
    EXPECT_TRUE(page.Body.contains("<button type=\"button\" id=\"deal\">Get a card</button>"));
    // Only under the address shown: a rebinding page's own name is refused, token or not.
    const QByteArray tokenPath = base;
    EXPECT_EQ(AskServer(port, "GET " + tokenPath + " HTTP/1.1\r\nHost: evil.example:" + QByteArray::number(port) +
                                  "\r\nConnection: close\r\n\r\n").Status, 421);
    EXPECT_EQ(AskServer(port, "GET " + tokenPath + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                                  "\r\nConnection: close\r\n\r\n").Status, 200);
    EXPECT_NE(AskServer(port, "GET " + tokenPath + " HTTP/1.1\r\nConnection: close\r\n\r\n").Status, 200); // no Host
    // Two, the first one right: which is meant is anyone's guess.
    EXPECT_EQ(AskServer(port, "GET " + tokenPath + " HTTP/1.1\r\nHost: 127.0.0.1\r\nHost: evil.example\r\nConnection: close\r\n\r\n").Status,
              400);
    // Two requests sent at once on one connection: the first is answered whole and the
    // connection closed, which tells the browser to send the second again.
    const PhoneReply pipelined = AskServer(port, "GET " + tokenPath + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\nGET " + tokenPath +
                                                     " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(pipelined.Status, 200);
    EXPECT_TRUE(pipelined.Head.contains("Connection: close"));
    EXPECT_TRUE(pipelined.Body.contains("</html>"));
    // Another sharing, another token.
    ShareServer other(Game(), {});
    EXPECT_NE(other.Token(), server.Token());
}

TEST(ShareServer, DealsFindsAgainAndHearsClaims)
{
    auto game = Game();
    ShareServer server(game, {});
    QSignalSpy claims(&server, &ShareServer::ClaimHeard);
    const quint16 port = PortOf(server);
    const QByteArray say = "/" + server.Token() + "/say";
    const QJsonObject seat = Json(PostTo(port, say, R"({"type":"deal"})"));
    EXPECT_EQ(seat.value("card").toInt(), 11);
    EXPECT_EQ(seat.value("game").toString(), QStringLiteral("K7F2-9QXA"));
    EXPECT_EQ(seat.value("cells").toArray().size(), 25);
    EXPECT_FALSE(seat.contains("pictures") || seat.contains("design")); // words, on a plain card
    const QString secret = seat.value("secret").toString();
    const QJsonObject again = Json(PostTo(port, say, ("{\"type\":\"hello\",\"secret\":\"" + secret + "\"}").toUtf8()));
    EXPECT_EQ(again.value("card").toInt(), 11);
    EXPECT_EQ(again.value("cells"), seat.value("cells"));
    EXPECT_EQ(Json(PostTo(port, say, R"({"type":"take","card":4})")).value("card").toInt(), 4);
    EXPECT_FALSE(Json(PostTo(port, say, R"({"type":"take","card":4})")).value("error").toString().isEmpty());
    // Row 1 of card 11 called: a verified claim, heard by the host.
    server.SetCalls({"1100", "1101", "1102", "1103", "1104"});
    const QJsonObject answer = Json(PostTo(port, say, ("{\"type\":\"claim\",\"secret\":\"" + secret + "\"}").toUtf8()));
    EXPECT_TRUE(answer.value("bingo").toBool());
    EXPECT_EQ(answer.value("answer").toString(), QStringLiteral("Bingo: row 1"));
    ASSERT_TRUE(claims.wait(2000) || claims.size() == 1);
    EXPECT_EQ(claims.front().at(0).toString(), QStringLiteral("Card 11 claims bingo: verified, row 1"));
    // The host plays four corners now: the same row is no bingo for another phone's card 12.
    server.SetPattern(ClassicPattern(WinPattern::FourCorners));
    const QJsonObject twelve = Json(PostTo(port, say, R"({"type":"deal"})"));
    server.SetCalls({"1200", "1201", "1202", "1203", "1204"});
    const QJsonObject corners =
        Json(PostTo(port, say, ("{\"type\":\"claim\",\"secret\":\"" + twelve.value("secret").toString() + "\"}").toUtf8()));
    EXPECT_FALSE(corners.value("bingo").toBool());
    EXPECT_EQ(corners.value("answer").toString(), QStringLiteral("No bingo yet: 2 words missing for the four corners"));
    // A claim from a phone the game doesn't know says so.
    EXPECT_EQ(Json(PostTo(port, say, R"({"type":"claim","secret":"0123456789abcdef0123456789abcdef"})")).value("error").toString(),
              QStringLiteral("This phone has no card in this game."));
    // Two lengths that disagree: refused.
    EXPECT_EQ(AskServer(port, "POST " + say + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 15\r\nContent-Length: 3\r\n"
                              "Connection: close\r\n\r\n{\"type\":\"deal\"}").Status, 400);
    // Bad or oversized requests.
    EXPECT_EQ(PostTo(port, say, R"({"type":"settings"})").Status, 400);
    EXPECT_EQ(PostTo(port, say, QByteArray(5000, ' ')).Status, 413);
    const PhoneReply huge = AskServer(port, "GET /" + server.Token() + "/ HTTP/1.1\r\nHost: x\r\nX-Pad: " + QByteArray(20000, 'a') + "\r\n\r\n");
    EXPECT_NE(huge.Status, 200);
}

TEST(ShareServer, StreamsTheCallsAndClosesEveryConnectionWhenSharingStops)
{
    auto server = std::make_unique<ShareServer>(Game(), ShareServer::Options{});
    server->SetCalls({"7"});
    QSignalSpy connected(server.get(), &ShareServer::ConnectedChanged);
    QTcpSocket events;
    events.connectToHost(QHostAddress::LocalHost, PortOf(*server));
    ASSERT_TRUE(events.waitForConnected(2000));
    events.write("GET /" + server->Token() + "/events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray seen;
    auto readUntil = [&](const QByteArray& what) {
        QElapsedTimer timer;
        timer.start();
        while (!seen.contains(what) && timer.elapsed() < 1000)
            if (events.waitForReadyRead(100))
                seen += events.readAll();
        return seen.contains(what);
    };
    EXPECT_TRUE(readUntil(R"(data: {"calls":["7"],"count":1})"));
    EXPECT_TRUE(seen.contains("X-Content-Type-Options: nosniff") && seen.contains("Referrer-Policy: no-referrer"));
    EXPECT_TRUE(connected.wait(1000) || !connected.isEmpty());
    EXPECT_EQ(server->Connected(), 1);
    // A call and an undo reach the phone within a second.
    server->SetCalls({"7", "12"});
    EXPECT_TRUE(readUntil(R"(data: {"call":"12","count":2})"));
    server->SetCalls({"7"});
    EXPECT_TRUE(readUntil(R"(data: {"count":1,"undo":"12"})"));
    // The prize played, drawn, and a win told to every phone.
    server->SetPattern(*FindPattern("postage-stamp"), "Prize 2 of 3: Postage stamp");
    EXPECT_TRUE(readUntil(R"(data: {"prize":{"cells":[0,1,5,6],"round":true,"side":5,"title":"Prize 2 of 3: Postage stamp"}})"));
    server->Announce("Bingo! Card 17");
    EXPECT_TRUE(readUntil(R"(data: {"news":"Bingo! Card 17"})"));
    // The same prize again is not sent again; a news of any length is cut to a line's worth.
    server->SetPattern(*FindPattern("postage-stamp"), "Prize 2 of 3: Postage stamp");
    server->Announce(QString(500, u'x'));
    EXPECT_TRUE(readUntil("data: {\"news\":\"" + QByteArray(200, 'x') + "\"}"));
    EXPECT_EQ(seen.count("\"prize\""), 1);
    // Sharing off: the connection is closed.
    server.reset();
    QElapsedTimer timer;
    timer.start();
    while (events.state() == QAbstractSocket::ConnectedState && timer.elapsed() < 3000)
        events.waitForReadyRead(100);
    EXPECT_NE(events.state(), QAbstractSocket::ConnectedState);
}

// A picture list's cards carry their pictures to the phones as data: images, which the page's
// policy allows, and the list's design; a list of words' cards carry neither.
TEST(ShareServer, APictureCardsPicturesGoToThePhone)
{
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QTemporaryDir folder;
    ASSERT_TRUE(red.save(folder.filePath("red.png")));
    auto game = std::make_shared<SharedGame>(
        QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(10), 1000,
        [](int) {
            QStringList cells{"[[picture:red.png]] Red", "[[picture:gone.png]] Gone"};
            for (int i = 2; i < 24; ++i)
                cells << QString::number(i);
            return cells;
        },
        [] { return QString(32, u'a'); }, SharedGame::Limits{});
    auto pictures = std::make_shared<PictureShelf>();
    pictures->Load({"[[picture:red.png]] Red", "[[picture:gone.png]] Gone"}, folder.path());
    ShareServer::Options options;
    options.Pictures = pictures;
    options.Design.Title = "Spring Fair";
    options.Design.Tint = QColor("#eef5fb");
    ShareServer server(game, options);
    const quint16 port = PortOf(server);
    const QJsonObject seat = Json(PostTo(port, "/" + server.Token() + "/say", R"({"type":"deal"})"));
    const QJsonArray shown = seat.value("pictures").toArray();
    ASSERT_EQ(shown.size(), 25);
    EXPECT_TRUE(shown[0].toString().startsWith("data:image/png;base64,"));
    EXPECT_EQ(shown[1].toString(), QString()); // a picture that can't be read: its caption alone
    EXPECT_EQ(shown[2].toString(), QString());
    EXPECT_EQ(seat.value("cells").toArray()[0].toString(), "[[picture:red.png]] Red"); // matched to the calls as it is
    // The list's design goes with the card: its title and colours.
    EXPECT_EQ(seat.value("design").toObject().value("title").toString(), "Spring Fair");
    const QString rules = seat.value("design").toObject().value("rules").toString();
    EXPECT_TRUE(rules.contains(R"(.cell:not(.free):not([aria-pressed="true"]) { background: #eef5fb;)")) << rules.toStdString();
    EXPECT_FALSE(rules.contains(".head")); // no band chosen
    const PhoneReply page = GetFrom(port, "/" + server.Token() + "/");
    EXPECT_TRUE(page.Head.contains("img-src data:;")) << page.Head.toStdString();
}
