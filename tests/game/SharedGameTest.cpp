// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A game shared with phones: seats never shared with a printed card or another phone, a
// phone back with its secret gets its own card and no other, claims checked as the checker
// checks them and not too often; the phones' messages read strictly.
#include "game/PlayerMessage.h"
#include "game/SharedGame.h"
#include "game/CheckCode.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

QStringList Numbers(int from, int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << QString::number(from + i);
    return words;
}

// Card n: 24 numbers from n * 100 on, so every card's words tell its number.
SharedGame Game(int used, int limit, SharedGame::Limits limits = {})
{
    auto counter = std::make_shared<int>(0);
    return SharedGame(QStringLiteral("K7F2-9QXA"), CardOptions{}, ClassicPattern(WinPattern::AnyLine), SharedGame::Ledger::Counting(used), limit,
                      [](int n) { return Numbers(n * 100, 24); },
                      [counter] { return QStringLiteral("%1").arg(++*counter, 32, 16, QChar(u'0')); }, limits);
}

} // namespace

TEST(SharedGame, DealsCardsNoOneHasAndTakesPrintedCardsOnce)
{
    SharedGame game = Game(20, 23);
    const auto first = game.Deal().Got;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Card, 21); // after the 20 printed
    EXPECT_TRUE(IsSeatSecret(first->Secret));
    EXPECT_EQ(first->View.Texts[0], QStringLiteral("2100"));
    EXPECT_EQ(first->View.FreeCell, 12);
    EXPECT_EQ(game.Deal().Got->Card, 22);
    EXPECT_EQ(game.Deal().Got->Card, 23);
    const auto none = game.Deal();
    EXPECT_FALSE(none.Got);
    EXPECT_EQ(none.Error, QStringLiteral("This game has no card left to deal."));
    EXPECT_EQ(game.Used(), 23);
    // A printed card, once; not a dealt one, nor one never printed.
    EXPECT_EQ(game.Take(7).Got->Card, 7);
    EXPECT_EQ(game.Take(7).Error, QStringLiteral("Card 7 is already on another phone."));
    EXPECT_EQ(game.Take(22).Error, QStringLiteral("Card 22 is already on another phone."));
    EXPECT_EQ(game.Take(24).Error, QStringLiteral("There is no printed card 24 in this game."));
    EXPECT_EQ(game.Take(0).Error, QStringLiteral("There is no printed card 0 in this game."));
    EXPECT_EQ(game.Players(), 4);
}

TEST(SharedGame, APhoneBackWithItsSecretGetsItsOwnCardOnly)
{
    SharedGame game = Game(0, 100);
    const auto mine = game.Deal().Got;
    const auto theirs = game.Deal().Got;
    ASSERT_TRUE(mine && theirs);
    EXPECT_EQ(game.SeatOf(mine->Secret)->Card, mine->Card);
    EXPECT_EQ(game.SeatOf(theirs->Secret)->Card, theirs->Card);
    EXPECT_FALSE(game.SeatOf(QString(32, u'f')));
    EXPECT_FALSE(game.SeatOf(QString()));
}

TEST(SharedGame, ClaimsAreCheckedAsTheCheckerChecksAndNotTooOften)
{
    SharedGame game = Game(0, 100, {500, 5000});
    const auto seat = game.Deal().Got;
    ASSERT_TRUE(seat);
    // Row 1 of card 1: 100 .. 104, two of them called.
    game.SetCalls({QStringLiteral("100"), QStringLiteral("101"), QStringLiteral("7")});
    SharedGame::Claim early = game.MakeClaim(seat->Secret, 0);
    EXPECT_TRUE(early.Heard);
    EXPECT_FALSE(early.Result.Bingo);
    EXPECT_EQ(early.Text, QStringLiteral("Card 1 claims bingo: not yet, 3 missing")); // row 1 or the diagonal
    // Again within 5 s: not heard.
    EXPECT_FALSE(game.MakeClaim(seat->Secret, 4999).Heard);
    game.SetCalls({QStringLiteral("100"), QStringLiteral("101"), QStringLiteral("102"), QStringLiteral("103"),
                   QStringLiteral("104")});
    SharedGame::Claim won = game.MakeClaim(seat->Secret, 5000);
    EXPECT_TRUE(won.Result.Bingo);
    EXPECT_EQ(won.Text, QStringLiteral("Card 1 claims bingo: verified, row 1"));
    EXPECT_EQ(won.Result.Cells, (std::vector<int>{0, 1, 2, 3, 4}));
    // A secret the game never gave is not heard.
    EXPECT_FALSE(game.MakeClaim(QString(32, u'a'), 20000).Heard);
}

TEST(SharedGame, NoMoreThanTheLimitOfPlayers)
{
    SharedGame game = Game(5, 100, {3, 5000});
    EXPECT_TRUE(game.Deal().Got);
    EXPECT_TRUE(game.Take(2).Got);
    EXPECT_TRUE(game.Deal().Got);
    EXPECT_EQ(game.Deal().Error, QStringLiteral("This game has as many players as it takes."));
    EXPECT_EQ(game.Take(3).Error, QStringLiteral("This game has as many players as it takes."));
    EXPECT_EQ(game.Used(), 7); // a refused deal uses no card
}

TEST(SharedGame, APrintedCardIsTakenWithItsCheckCodeWhereItHasOne)
{
    const QString secret = QStringLiteral("00112233445566778899aabbccddeeff");
    // Every code: five letters that read like no digit and no other letter, one per card.
    QSet<QString> codes;
    for (int card = 1; card <= 200; ++card) {
        const QString code = CheckCode::Of(secret, card);
        EXPECT_EQ(code.size(), CheckCode::Length);
        for (const QChar letter : code)
            EXPECT_TRUE(QByteArray(CheckCode::Letters).contains(letter.toLatin1())) << code.toStdString();
        codes.insert(code);
    }
    EXPECT_GE(codes.size(), 199); // 2^20 codes: two cards of 200 alike once in 50 secrets
    EXPECT_EQ(CheckCode::Of(secret, 7), CheckCode::Of(secret, 7));
    EXPECT_NE(CheckCode::Of(secret, 7), CheckCode::Of(QStringLiteral("ffeeddccbbaa99887766554433221100"), 7));
    EXPECT_EQ(CheckCode::Of(QString(), 7), QString());

    SharedGame game = Game(20, 100);
    game.SetCheckCodes([secret](int n) { return CheckCode::Of(secret, n); });
    const QString seven = CheckCode::Of(secret, 7);
    struct Case {
        QString typed;
        bool taken;
    };
    const Case cases[] = {{QString(), false}, {QStringLiteral("AAAAA"), false}, {seven.left(4), false},
                          {seven.toLower().insert(2, u' '), true}};
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<bool>(game.Take(7, c.typed).Got), c.taken) << c.typed.toStdString();
    EXPECT_EQ(game.Take(8).Error, QStringLiteral("Type the check code printed under card 8, after \"Check\"."));
    // A game whose cards were printed without codes takes any printed card as before.
    EXPECT_TRUE(Game(20, 100).Take(9).Got);
}

TEST(SharedGame, TheHostLetsGoOfASeatOrOfEverySeatOfAnAddress)
{
    SharedGame game = Game(10, 100);
    const auto grabbed7 = game.Take(7, {}, QStringLiteral("10.0.0.9")).Got; // a script took printed card 7
    ASSERT_TRUE(grabbed7);
    for (int i = 0; i < 3; ++i)
        game.Deal(QStringLiteral("10.0.0.9"));
    const auto honest = game.Deal(QStringLiteral("10.0.0.2")).Got;
    const QList<SharedGame::SeatRow> seats = game.SeatList();
    ASSERT_EQ(seats.size(), 5);
    EXPECT_EQ(seats.front().Address, QStringLiteral("10.0.0.2")); // by address, then card
    EXPECT_EQ(seats[1].Card, 7);
    EXPECT_EQ(game.Take(7).Error, QStringLiteral("Card 7 is already on another phone."));
    // One seat let go: the player with the paper takes card 7 now.
    EXPECT_EQ(game.RemoveSeat(7), 1);
    EXPECT_EQ(game.RemoveSeat(7), 0);
    EXPECT_FALSE(game.SeatOf(grabbed7->Secret));
    EXPECT_TRUE(game.Take(7, {}, QStringLiteral("10.0.0.3")).Got);
    // Every seat of the script's address, and nothing else.
    EXPECT_EQ(game.RemoveAddress(QStringLiteral("10.0.0.9")), 3);
    EXPECT_EQ(game.Players(), 2);
    EXPECT_TRUE(game.SeatOf(honest->Secret));
}

TEST(SharedGame, SeatsWhosePhonesWentAwayFreeTheirPlaceUntilTheyComeBack)
{
    SharedGame game = Game(0, 100, {2, 5000});
    const auto stays = game.Deal().Got;
    const auto leaves = game.Deal().Got;
    ASSERT_TRUE(stays && leaves);
    EXPECT_EQ(game.Deal().Error, QStringLiteral("This game has as many players as it takes."));
    const QSet<QString> listening{stays->Secret};
    EXPECT_EQ(game.RestAway(0, 120000, listening), 0);      // first seen now
    EXPECT_EQ(game.RestAway(119999, 120000, listening), 0);
    EXPECT_EQ(game.RestAway(120000, 120000, listening), 1); // two minutes without a stream
    EXPECT_EQ(game.RestAway(200000, 120000, listening), 0); // once
    EXPECT_EQ(game.Players(), 1);
    EXPECT_TRUE(game.Deal().Got); // its place is free for a phone in the room
    // The phone that went away comes back to its own card.
    const auto back = game.Greet(leaves->Secret);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Card, leaves->Card);
    EXPECT_EQ(game.Players(), 3);
    EXPECT_FALSE(game.Greet(QString(32, u'e')));
}

TEST(PlayerMessage, ReadsWhatAPhoneMaySayAndNothingElse)
{
    const QString secret = QStringLiteral("0123456789abcdef0123456789abcdef");
    EXPECT_EQ(ParsePlayerMessage(R"({"type":"deal"})")->Type, PlayerMessage::Kind::Deal);
    const auto take = ParsePlayerMessage(R"({"type":"take","card":17})");
    ASSERT_TRUE(take);
    EXPECT_EQ(take->Card, 17);
    EXPECT_EQ(ParsePlayerMessage(R"({"type":"take","card":17,"check":"mx rta"})")->Check, QStringLiteral("mx rta"));
    const auto claim = ParsePlayerMessage(("{\"type\":\"claim\",\"secret\":\"" + secret + "\"}").toUtf8());
    ASSERT_TRUE(claim);
    EXPECT_EQ(claim->Type, PlayerMessage::Kind::Claim);
    EXPECT_EQ(claim->Secret, secret);
    EXPECT_EQ(ParsePlayerMessage(("{\"type\":\"hello\",\"secret\":\"" + secret + "\"}").toUtf8())->Type,
              PlayerMessage::Kind::Hello);
    for (const QByteArray& bad : {QByteArray(), QByteArray("deal"), QByteArray("[]"), QByteArray(R"({"type":"deal","x":1})"),
                                  QByteArray(R"({"type":"take","card":17.5})"), QByteArray(R"({"type":"take","card":"17"})"),
                                  QByteArray(R"({"type":"take","card":0})"), QByteArray(R"({"type":"take","card":100001})"),
                                  QByteArray(R"({"type":"claim","secret":"ABCDEF0123456789ABCDEF0123456789"})"),
                                  QByteArray(R"({"type":"claim","secret":"../../etc/passwd"})"),
                                  QByteArray(R"({"type":"claim","secret":"0123","card":3})"),
                                  QByteArray(R"({"type":"settings"})"),
                                  QByteArray(R"({"type":"take","card":17,"check":5})"),
                                  QByteArray(R"({"type":"take","card":17,"check":"ABCDEFGHIJKLMNOPQ"})"),
                                  QByteArray(R"({"type":"take","card":17,"secret":"ABCDE"})"),
                                  QByteArray("{\"type\":\"deal\"}") + QByteArray(MaxPlayerMessage, ' ')})
        EXPECT_FALSE(ParsePlayerMessage(bad)) << bad.left(80).toStdString();
}
