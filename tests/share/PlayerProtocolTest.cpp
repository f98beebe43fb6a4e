// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The phones' messages and the game's answers, without a socket: a phone is dealt, greeted
// and heard claiming; a script is held to a few cards; wrong check codes count against their
// own address and are said for what they are.
#include "game/CheckCode.h"
#include "game/Patterns.h"
#include "share/PlayerProtocol.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

TEST(PlayerProtocol, EachMessageGetsTheGamesAnswer)
{
    const QString secret = QStringLiteral("0123456789abcdef0123456789abcdef");
    auto game = std::make_shared<SharedGame>(
        QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(10), 1000,
        [](int n) { return QStringList(24, QString::number(n)); }, [] { return QStringLiteral("%1").arg(std::rand(), 32, 16, QChar(u'a')); },
        SharedGame::Limits{});
    game->SetCheckCodes([secret](int n) { return CheckCode::Of(secret, n); });
    auto claims = std::make_shared<ClaimQueue>();
    PlayerProtocol protocol(game, DealRate::Limits{2, 60, 100, 100, 3, 60}, claims, {});
    qint64 now = 1000;
    struct Said {
        QJsonObject Answer;
        PlayerProtocol::Heard Heard;
    };
    const auto say = [&](const QByteArray& body, const char* from = "10.0.0.1") {
        Said said;
        said.Answer = QJsonDocument::fromJson(protocol.Answer(body, QString::fromLatin1(from), now, said.Heard)).object();
        return said;
    };
    const auto error = [&](const QByteArray& body, const char* from = "10.0.0.1") { return say(body, from).Answer.value("error").toString(); };

    PlayerProtocol::Heard nothing;
    EXPECT_TRUE(protocol.Answer(R"({"type":"settings"})", "10.0.0.1", now, nothing).isEmpty()); // no message: a 400
    // A new phone: the next card after the ten printed, and the window hears a seat was dealt.
    const Said dealt = say(R"({"type":"deal"})");
    EXPECT_EQ(dealt.Answer.value("card").toInt(), 11);
    EXPECT_TRUE(dealt.Heard.SeatsDealt);
    const QByteArray phone = dealt.Answer.value("secret").toString().toLatin1();
    EXPECT_EQ(say("{\"type\":\"hello\",\"secret\":\"" + phone + "\"}").Answer.value("card").toInt(), 11);
    EXPECT_EQ(error(R"({"type":"hello","secret":"ffffffffffffffffffffffffffffffff"})"), "This phone has no card in this game.");
    // Its claim goes into the queue, once; one at once again is told to wait.
    const Said claim = say("{\"type\":\"claim\",\"secret\":\"" + phone + "\"}");
    EXPECT_FALSE(claim.Answer.value("bingo").toBool());
    EXPECT_TRUE(claim.Heard.Claimed);
    ASSERT_EQ(claims->Claims().size(), 1u);
    EXPECT_EQ(claims->Claims()[0].Card, 11);
    EXPECT_EQ(error("{\"type\":\"claim\",\"secret\":\"" + phone + "\"}"), "Wait a moment before you claim again.");
    // A script on one address: two cards, then told why not; another address is still dealt.
    EXPECT_TRUE(say(R"({"type":"deal"})").Answer.contains("card"));
    EXPECT_EQ(error(R"({"type":"deal"})"), "Many cards were just given to phones on this connection. Wait a little and try again.");
    EXPECT_TRUE(say(R"({"type":"deal"})", "10.0.0.2").Answer.contains("card"));
    // Three wrong check codes from one address: then even the right one is told what
    // happened, while another address takes its card with the right code at once.
    for (int guess = 0; guess < 3; ++guess)
        EXPECT_TRUE(error(R"({"type":"take","card":4,"check":"AAAAA"})", "10.0.0.3").startsWith("That is not the check code of card 4"));
    const QByteArray right = "{\"type\":\"take\",\"card\":4,\"check\":\"" + CheckCode::Of(secret, 4).toLatin1() + "\"}";
    EXPECT_EQ(error(right, "10.0.0.3"), "Several wrong check codes were just typed on this connection. Wait a little and try again.");
    EXPECT_EQ(say(right, "10.0.0.4").Answer.value("card").toInt(), 4);
    now += 60000; // a minute later, the guesser may try again
    EXPECT_EQ(error("{\"type\":\"take\",\"card\":5,\"check\":\"" + CheckCode::Of(secret, 5).toLatin1() + "\"}", "10.0.0.3"), QString());
}
