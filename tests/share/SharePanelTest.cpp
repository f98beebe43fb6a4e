// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The caller's sharing, as the host uses it: off until asked, on the address the host set,
// its QR code and address shown, a phone's claim listed with its card, and everything
// closed when sharing stops. The browser test plays along on a real phone page.
#include "app/CallerWindow.h"
#include "widgets/CardGridView.h"
#include "widgets/PatternPicture.h"
#include "app/RoomDisplay.h"
#include "app/SharePanel.h"
#include "widgets/TicketGridView.h"
#include "records/GameHistory.h"
#include "settings/SettingsFlag.h"
#include "widgets/CallerBoard.h"
#include "game/CheckCode.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "share/PhoneHttp.h"
#include "platform/ui/Announcer.h"
#include "support/MainWindowFixture.h"
#include "support/PrintProcess.h"
#include "support/RequiredTool.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

namespace {

GameSource NumbersGame()
{
    GameSource game;
    for (int i = 1; i <= 75; ++i)
        game.Words << QString::number(i);
    game.Code = NumberedGame(game.Words, game.Options, 4242).Code().Text();
    game.Key = game.Code;
    game.Title = QStringLiteral("Numbers");
    game.Cards = 10;
    game.ListFile = QStringLiteral("/lists/numbers.pwk");
    // Ten cards of it were printed: the game's record says so.
    EXPECT_EQ(GameHistory::Add({game.Code, game.ListFile, game.Options, game.Cards}), QString());
    return game;
}

class SharedByTheCaller : public MainWindowTest {
protected:
    void SetUp() override { qputenv("PLUMWICK_SHARE_ADDRESS", "127.0.0.1"); }
    void TearDown() override
    {
        qunsetenv("PLUMWICK_SHARE_ADDRESS");
        MainWindowTest::TearDown();
    }
};

} // namespace

TEST_F(SharedByTheCaller, OffUntilAskedThenOnTheHostsAddressWithItsCode)
{
    TFrmMain& main = Open();
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    // The current list is no game: nothing to share, nothing listens.
    caller.Play(main.CurrentGameSource());
    EXPECT_FALSE(caller.ChkShare->isEnabled());
    EXPECT_FALSE(caller.Share->Sharing());
    caller.Play(NumbersGame());
    ASSERT_TRUE(caller.ChkShare->isEnabled());
    caller.ChkShare->setChecked(true);
    ASSERT_TRUE(caller.Share->Sharing());
    EXPECT_TRUE(caller.Share->isVisible());
    const QString url = caller.Share->Url();
    EXPECT_TRUE(url.startsWith(QStringLiteral("http://127.0.0.1:"))) << url.toStdString();
    EXPECT_EQ(caller.Share->LblUrl->text(), url);
    // Reached by Tab and said aloud as sharing starts.
    EXPECT_TRUE(caller.Share->LblUrl->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(Announcer::Of(&caller)->Last(), "Phones can join at " + url);
    EXPECT_FALSE(caller.Share->LblQr->pixmap().isNull());
    const quint16 port = static_cast<quint16>(QUrl(url).port());
    const QByteArray base = QUrl(url).path().toUtf8();

    // A phone gets card 11 (ten were printed) and sees the calls.
    const QJsonObject seat = QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body).object();
    EXPECT_EQ(seat.value("card").toInt(), 11);
    for (int i = 0; i < 75; ++i)
        caller.Next();
    // Every number called: the phone's claim is verified and listed with its card.
    QSignalSpy claims(caller.Share, &SharePanel::ClaimArrived);
    const QByteArray claim = "{\"type\":\"claim\",\"secret\":\"" + seat.value("secret").toString().toUtf8() + "\"}";
    EXPECT_TRUE(QJsonDocument::fromJson(PostTo(port, base + "say", claim).Body).object().value("bingo").toBool());
    ASSERT_TRUE(claims.wait(2000) || claims.size() == 1);
    EXPECT_EQ(caller.Share->LstClaims->count(), 1);
    EXPECT_TRUE(caller.Share->LstClaims->item(0)->text().startsWith(QStringLiteral("Card 11 claims bingo: verified")));
    EXPECT_TRUE(caller.Share->ClaimCard->Showing());
    // Large over the call until the host confirms it (or clears it).
    EXPECT_TRUE(caller.LblClaim->isVisible());
    EXPECT_TRUE(caller.LblClaim->text().startsWith(QStringLiteral("Claim: Card 11 claims bingo: verified")));
    caller.Share->BtnConfirm->click();
    EXPECT_FALSE(caller.LblClaim->isVisible());
    EXPECT_TRUE(caller.Share->LstClaims->item(0)->text().endsWith(QStringLiteral("(confirmed)")));
    caller.Share->BtnClear->click();
    EXPECT_EQ(caller.Share->LstClaims->count(), 0);

    // Off: nothing answers any more.
    caller.ChkShare->setChecked(false);
    EXPECT_FALSE(caller.Share->Sharing());
    EXPECT_EQ(GetFrom(port, base).Status, 0);
}

TEST_F(SharedByTheCaller, AClaimThatDoesNotWinIsConfirmedOnlyAsTheHostsDecision)
{
    TFrmMain& main = Open();
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    caller.Play(NumbersGame());
    caller.ChkShare->setChecked(true);
    ASSERT_TRUE(caller.Share->Sharing());
    const QUrl url(caller.Share->Url());
    const QByteArray base = url.path().toUtf8();
    const auto port = static_cast<quint16>(url.port());
    const QJsonObject seat = QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body).object();
    caller.Next();
    caller.ChkRoom->setChecked(true);
    ASSERT_NE(caller.Room, nullptr);
    // The hall sees how to join: in a corner, large in the board's place, or not, as the host
    // chose (and the next sharing remembers).
    RoomDisplay& room = *caller.Room;
    EXPECT_TRUE(room.Join->isVisibleTo(&room));
    EXPECT_EQ(room.LblJoinUrl->text(), "Play on your phone:\n" + caller.Share->Url());
    EXPECT_FALSE(room.LblJoinQr->pixmap().isNull());
    caller.Share->CboJoin->setCurrentIndex(1);
    EXPECT_FALSE(room.Board->isVisibleTo(&room));
    EXPECT_GE(room.LblJoinQr->pixmap().height(), room.height() / 4);
    caller.Share->CboJoin->setCurrentIndex(2);
    EXPECT_FALSE(room.Join->isVisibleTo(&room));
    EXPECT_TRUE(room.Board->isVisibleTo(&room));
    EXPECT_EQ(RoomJoinSetting.Read(), 2);
    caller.Share->CboJoin->setCurrentIndex(0);
    // Claimed after one call: listed as not yet won, and Confirm can't make it a win.
    QSignalSpy claims(caller.Share, &SharePanel::ClaimArrived);
    const QByteArray claim = "{\"type\":\"claim\",\"secret\":\"" + seat.value("secret").toString().toUtf8() + "\"}";
    EXPECT_FALSE(QJsonDocument::fromJson(PostTo(port, base + "say", claim).Body).object().value("bingo").toBool());
    ASSERT_TRUE(claims.wait(2000) || claims.size() == 1);
    ASSERT_EQ(caller.Share->LstClaims->count(), 1);
    EXPECT_EQ(caller.Room->LblNews->text(), QStringLiteral("Checking card 11")); // the hall sees it checked
    // Shown, but not selected while the keys are on the board: a screen reader would take
    // the list's selection for the focus moving there.
    EXPECT_EQ(caller.Share->LstClaims->currentRow(), 0);
    EXPECT_TRUE(caller.Share->LstClaims->selectedItems().isEmpty());
    EXPECT_FALSE(caller.Share->BtnConfirm->isEnabled());
    EXPECT_TRUE(caller.Share->BtnDecide->isEnabled());
    caller.Share->BtnConfirm->click();
    EXPECT_FALSE(caller.Share->LstClaims->item(0)->text().endsWith(QStringLiteral("(confirmed)")));
    EXPECT_TRUE(caller.Log().Claims.empty());
    // The host's own decision is a step of its own, and said as one everywhere.
    caller.Share->BtnDecide->click();
    EXPECT_TRUE(caller.Share->LstClaims->item(0)->text().endsWith(QStringLiteral("(the host's decision)")));
    ASSERT_EQ(caller.Log().Claims.size(), 1u);
    EXPECT_TRUE(caller.Log().Claims[0].HostsDecision);
    EXPECT_EQ(Announcer::Of(&caller)->Last(), QStringLiteral("Bingo! Card 11, by the host's decision"));
    EXPECT_EQ(caller.Room->LblNews->text(), QStringLiteral("Bingo! Card 11, by the host's decision"));
    EXPECT_TRUE(GameHistory::SavedLog(caller.Source()).Claims.at(0).HostsDecision);
    EXPECT_FALSE(caller.Share->BtnDecide->isEnabled());
    caller.ChkShare->setChecked(false);
    EXPECT_FALSE(room.Join->isVisibleTo(&room)); // no more joining
}

TEST_F(SharedByTheCaller, ATicketGameDealsTicketsAndChecksTheirRows)
{
    TFrmMain& main = Open();
    GameSource tickets;
    tickets.Tickets = true;
    tickets.Words = NinetyBall::Numbers();
    tickets.Code = tickets.Key = GameCode{4242, NinetyBall::TicketShape()}.Text();
    tickets.Cards = 2; // two strips printed: tickets 1 to 12
    GameRecord record;
    record.Code = tickets.Code;
    record.Cards = 2;
    record.Tickets = true;
    ASSERT_EQ(GameHistory::Add(record), "");
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    caller.Play(tickets);
    ASSERT_TRUE(caller.ChkShare->isEnabled());
    caller.ChkShare->setChecked(true);
    ASSERT_TRUE(caller.Share->Sharing());
    EXPECT_EQ(caller.Share->CboPattern->count(), 3);
    const quint16 port = static_cast<quint16>(QUrl(caller.Share->Url()).port());
    const QByteArray base = QUrl(caller.Share->Url()).path().toUtf8();
    EXPECT_TRUE(GetFrom(port, base).Body.contains("Get a ticket"));

    // The next ticket never printed is ticket 1 of strip 3, as the game deals it.
    const QJsonObject seat = QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body).object();
    EXPECT_EQ(seat.value("card").toInt(), 13);
    EXPECT_EQ(seat.value("label").toString(), QString("Strip 3 \u00b7 Ticket 1"));
    EXPECT_EQ(seat.value("rows").toInt(), 3);
    NinetyBall::StripGame game(NinetyBall::Dealer(), 4242);
    game.Plan(3);
    const NinetyBall::Ticket ticket = game.At(3)[0];
    const QJsonArray cells = seat.value("cells").toArray();
    ASSERT_EQ(cells.size(), 27);
    for (int i = 0; i < 27; ++i) {
        const int n = ticket.Cells[i / 9][i % 9];
        EXPECT_EQ(cells[i].toString(), n ? QString::number(n) : QString()) << i;
    }
    // Dealt a ticket, the record counts its strip.
    QCoreApplication::processEvents();
    EXPECT_EQ(GameHistory::Find(tickets.Code)->Cards, 3);
    // A printed ticket, once.
    EXPECT_EQ(QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"take","card":14})").Body).object().value("error").toString(),
              QString("There is no printed ticket 14 in this game."));

    // Its second row called: a claim for one line is verified, and listed with the ticket.
    QSignalSpy claims(caller.Share, &SharePanel::ClaimArrived);
    QStringList second;
    for (const int n : ticket.Cells[1])
        if (n != 0)
            second << QString::number(n);
    caller.Share->SetCalls(second);
    const QByteArray claim = "{\"type\":\"claim\",\"secret\":\"" + seat.value("secret").toString().toUtf8() + "\"}";
    const QJsonObject answer = QJsonDocument::fromJson(PostTo(port, base + "say", claim).Body).object();
    EXPECT_TRUE(answer.value("bingo").toBool());
    EXPECT_EQ(answer.value("answer").toString(), QString("Bingo: row 2"));
    EXPECT_EQ(answer.value("cells").toArray().size(), 5);
    ASSERT_TRUE(claims.wait(2000) || claims.size() == 1);
    EXPECT_EQ(caller.Share->LstClaims->item(0)->text(), QString("Ticket 13 claims bingo: verified, row 2"));
    EXPECT_TRUE(caller.Share->ClaimTicket->Showing());
    EXPECT_FALSE(caller.Share->ClaimCard->isVisibleTo(caller.Share));
    // A second claim at once is not heard; two lines asked for, the listed ticket shows no win.
    EXPECT_EQ(QJsonDocument::fromJson(PostTo(port, base + "say", claim).Body).object().value("error").toString(),
              QString("Wait a moment before you claim again."));
    const auto winning = [&] {
        int cells = 0;
        for (int c = 0; c < 9; ++c)
            cells += caller.Share->ClaimTicket->CellText(1, c).endsWith("in a winning row");
        return cells;
    };
    EXPECT_EQ(winning(), 5);
    caller.Share->CboPattern->setCurrentIndex(1);
    EXPECT_EQ(winning(), 0);
    caller.ChkShare->setChecked(false);
    // Played for a prize of two lines, sharing again plays for it.
    caller.SetPrizes({{"two", 1}, {"house", 1}});
    caller.Share->CboPattern->setCurrentIndex(0);
    caller.ChkShare->setChecked(true);
    EXPECT_EQ(caller.Share->CboPattern->currentData().toInt(), static_cast<int>(NinetyBall::TicketPattern::TwoLines));
    caller.ChkShare->setChecked(false);
}

TEST_F(SharedByTheCaller, PhonesAreDealtFromTheGamesRecordOfTheMomentNotFromWhenItWasChosen)
{
    TFrmMain& main = Open();
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    const GameSource game = NumbersGame();
    caller.Play(game);
    const auto deal = [&] {
        const QUrl url(caller.Share->Url());
        const QByteArray say = url.path().toUtf8() + "say";
        return QJsonDocument::fromJson(PostTo(static_cast<quint16>(url.port()), say, R"({"type":"deal"})").Body)
            .object()
            .value("card")
            .toInt();
    };
    // Cards 11 to 20 are exported while the caller is open; then the game is shared.
    EXPECT_EQ(GameHistory::Take({game.Code, game.ListFile, game.Options, 0, false, {}}, 10).First, 11);
    caller.ChkShare->setChecked(true);
    ASSERT_TRUE(caller.Share->Sharing());
    EXPECT_EQ(deal(), 21);
    EXPECT_EQ(deal(), 22);
    // The host sees the seats by address and lets go of every seat of one.
    QCoreApplication::processEvents();
    ASSERT_EQ(caller.Share->LstSeats->count(), 2);
    EXPECT_EQ(caller.Share->LstSeats->item(0)->text(), QStringLiteral("127.0.0.1: card 21 (2 from this address)"));
    caller.Share->LstSeats->setCurrentRow(0);
    caller.Share->BtnRemoveAddress->click();
    EXPECT_EQ(caller.Share->LstSeats->count(), 0);
    EXPECT_FALSE(caller.Share->BtnRemoveSeat->isEnabled());
    // Sharing stopped and started again goes on after the cards dealt.
    caller.ChkShare->setChecked(false);
    caller.ChkShare->setChecked(true);
    EXPECT_EQ(deal(), 23);
    EXPECT_EQ(GameHistory::Find(game.Code)->Cards, 23);
    caller.ChkShare->setChecked(false);
}

TEST_F(SharedByTheCaller, APrintedCardIsTakenWithTheCheckCodeUnderIt)
{
    TFrmMain& main = Open();
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    GameSource game = NumbersGame();
    const QString secret = QStringLiteral("0123456789abcdef0123456789abcdef");
    ASSERT_EQ(GameHistory::Add({game.Code, game.ListFile, game.Options, 10, false, secret}), QString()); // kept as it was
    EXPECT_EQ(GameHistory::SecretOf(game.Code), QString()); // printed before check codes
    // A game printed with them: its record keeps its secret.
    QFile::remove(Home.DataFolder() + QStringLiteral("/Games.json"));
    ASSERT_EQ(GameHistory::Add({game.Code, game.ListFile, game.Options, 10, false, secret}), QString());
    caller.Play(game);
    caller.ChkShare->setChecked(true);
    const QUrl url(caller.Share->Url());
    const QByteArray say = url.path().toUtf8() + "say";
    const auto take = [&](const QByteArray& message) {
        return QJsonDocument::fromJson(PostTo(static_cast<quint16>(url.port()), say, message).Body).object();
    };
    EXPECT_EQ(take(R"({"type":"take","card":4})").value("error").toString(),
              QStringLiteral("Type the check code printed under card 4, after \"Check\"."));
    EXPECT_TRUE(take(R"({"type":"take","card":4,"check":"AAAAA"})").contains("error"));
    EXPECT_EQ(take(R"({"type":"take","card":4,"check":")" + CheckCode::Of(secret, 4).toLatin1() + "\"}").value("card").toInt(), 4);
    // Wrong codes, guessed one after another: after a few, this connection is told to wait,
    // in those words, and new phones are still dealt their cards.
    for (int guess = 0; guess < 3; ++guess)
        EXPECT_TRUE(take(R"({"type":"take","card":5,"check":"AAAAA"})").value("error").toString().startsWith("That is not the check code of card 5"));
    EXPECT_EQ(take(R"({"type":"take","card":5,"check":")" + CheckCode::Of(secret, 5).toLatin1() + "\"}").value("error").toString(),
              QStringLiteral("Several wrong check codes were just typed on this connection. Wait a little and try again."));
    for (int phone = 0; phone < 3; ++phone)
        EXPECT_TRUE(take(R"({"type":"deal"})").contains("card")) << phone;
    caller.ChkShare->setChecked(false);
}

// A phone in headless Chromium joins the caller's game, sees the calls arrive, marks and
// claims; the caller lists the verified claim; a second phone can't claim for the first.
using Browser = SharedByTheCaller;

// The caller shares `game`; phone.py plays it as `kind` ("card" or "ticket") while every
// one of `numbers` is called; the caller lists the phone's verified claim.
void PlayAlong(TFrmMain& main, ScriptedPrompts& asks, const GameSource& game, const QString& kind, int numbers)
{
    CallerWindow caller(&main, asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    caller.Play(game);
    caller.SetPrizes(PrizeRound::Usual(game.Tickets)); // the phone sees the prize, and its win
    caller.ChkShare->setChecked(true);
    ASSERT_TRUE(caller.Share->Sharing());
    QProcess phone;
    phone.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    phone.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(PLUMWICK_TEST_SOURCE_DIR "/browser/phone.py"), caller.Share->Url(), kind});
    ASSERT_TRUE(phone.waitForStarted(5000));
    // The phone says when it holds its seat; then every number is called for it to see.
    QByteArray said;
    QElapsedTimer timer;
    timer.start();
    while (!said.contains("holding") && timer.elapsed() < 60000 && phone.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        phone.waitForReadyRead(50);
        said += phone.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("holding")) << said.toStdString();
    for (int i = 0; i < numbers; ++i)
        caller.Next();
    while (phone.state() != QProcess::NotRunning && timer.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        phone.waitForFinished(50);
        // The host confirms the claim when it comes.
        if (caller.Share->LstClaims->count() > 0 && !caller.Share->LstClaims->item(0)->text().endsWith("(confirmed)")) {
            caller.Share->LstClaims->setCurrentRow(0);
            caller.Share->BtnConfirm->click();
        }
    }
    said += phone.readAllStandardOutput();
    EXPECT_EQ(phone.exitCode(), 0) << said.toStdString();
    QCoreApplication::processEvents();
    ASSERT_GE(caller.Share->LstClaims->count(), 1) << said.toStdString();
    EXPECT_TRUE(caller.Share->LstClaims->item(0)->text().contains(QStringLiteral("claims bingo: verified")));
}

TEST_F(Browser, PhonePlaysAlong)
{
    SKIP_WITHOUT_TOOL(QFile::exists(QStringLiteral("/usr/bin/chromedriver")), "Debian's chromium-driver is not installed");
    PlayAlong(Open(), Asks, NumbersGame(), QStringLiteral("card"), 75);
}

TEST_F(Browser, PhonePlaysATicket)
{
    SKIP_WITHOUT_TOOL(QFile::exists(QStringLiteral("/usr/bin/chromedriver")), "Debian's chromium-driver is not installed");
    GameSource tickets;
    tickets.Tickets = true;
    tickets.Words = NinetyBall::Numbers();
    tickets.Code = tickets.Key = GameCode{77, NinetyBall::TicketShape()}.Text();
    tickets.Cards = 1;
    EXPECT_EQ(GameHistory::Add({tickets.Code, {}, {}, 1, true}), QString());
    PlayAlong(Open(), Asks, tickets, QStringLiteral("ticket"), 90);
}

TEST_F(SharedByTheCaller, PrizesInTurnMoveOnAsTheHostConfirmsAndThePhonesFollow)
{
    TFrmMain& main = Open();
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    const GameSource game = NumbersGame();
    caller.Play(game);
    // Without prizes the row says nothing and Next Prize is not there.
    EXPECT_FALSE(caller.LblPrize->isVisibleTo(&caller));
    EXPECT_FALSE(caller.BtnNextPrize->isVisibleTo(&caller));
    caller.SetPrizes({{"corners", 1}, {"full", 2}});
    // The room display shows the hall what the caller shows the host.
    caller.ChkRoom->setChecked(true);
    ASSERT_NE(caller.Room, nullptr);
    EXPECT_TRUE(caller.Room->isVisible());
    EXPECT_EQ(caller.Room->LblPrize->text(), "Prize 1 of 2: Four corners");
    EXPECT_EQ(caller.Room->Picture->accessibleName(), "Pattern: Four corners");
    EXPECT_EQ(caller.LblPrize->text(), "Prize 1 of 2: Four corners");
    EXPECT_EQ(caller.PrizePicture->accessibleName(), "Pattern: Four corners");
    caller.ChkShare->setChecked(true);
    ASSERT_TRUE(caller.Share->Sharing());
    EXPECT_EQ(caller.Share->CboPattern->currentData().toString(), "corners");
    const QUrl url(caller.Share->Url());
    const quint16 port = static_cast<quint16>(url.port());
    const QByteArray base = url.path().toUtf8();
    const QJsonObject seat = QJsonDocument::fromJson(PostTo(port, base + "say", R"({"type":"deal"})").Body).object();
    for (int i = 0; i < 75; ++i)
        caller.Next();
    QSignalSpy claims(caller.Share, &SharePanel::ClaimArrived);
    const QByteArray claim = "{\"type\":\"claim\",\"secret\":\"" + seat.value("secret").toString().toUtf8() + "\"}";
    EXPECT_EQ(QJsonDocument::fromJson(PostTo(port, base + "say", claim).Body).object().value("answer").toString(),
              "Bingo: four corners");
    ASSERT_TRUE(claims.wait(2000) || claims.size() == 1);
    caller.Share->BtnConfirm->click();
    // The corners are won: the full card is played, by the phones too.
    EXPECT_EQ(caller.LblPrize->text(), "Prize 2 of 2: Full card\nWon: Four corners: 11");
    EXPECT_EQ(Announcer::Of(&caller)->Last(), "Bingo! Card 11 wins Four corners. Now playing for: Full card");
    EXPECT_EQ(caller.Share->CboPattern->currentData().toString(), "full");
    EXPECT_EQ(caller.Room->LblNews->text(), "Bingo! Card 11");
    EXPECT_TRUE(caller.Room->LblNews->isVisible());
    EXPECT_EQ(caller.Room->LblWinners->text(), "Won: Four corners: 11");
    EXPECT_EQ(caller.Room->LblCall->text(), caller.LblCall->text());
    EXPECT_GE(caller.Room->LblCall->font().pixelSize(), caller.Room->height() / 5);
    // Closed by the window manager, the box says so.
    caller.Room->close();
    EXPECT_FALSE(caller.ChkRoom->isChecked());
    EXPECT_EQ(GameHistory::SavedPrizes(game).Winners()[0], (std::vector<PrizeWinner>{{11, "four corners", 75}}));
    // A paper card checked and confirmed wins it too; two may win the full card, so it stays.
    caller.ConfirmWinner(3, "full card");
    EXPECT_EQ(caller.Prizes().Current(), 1);
    caller.BtnNextPrize->click();
    EXPECT_EQ(caller.LblPrize->text(), "Every prize is won\nWon: Four corners: 11; Full card: 3");
    EXPECT_FALSE(caller.BtnNextPrize->isEnabled());
    // A new game: the same prizes, no winners.
    Asks.ExpectQuestion("Start a new game? The 75 calls so far are cleared.", true);
    caller.NewGame();
    EXPECT_EQ(caller.LblPrize->text(), "Prize 1 of 2: Four corners");
    // Four corners use the first and last columns alone: skipping, only those are called.
    ASSERT_TRUE(caller.ChkSkip->isVisibleTo(&caller));
    caller.ChkSkip->setChecked(true);
    EXPECT_TRUE(caller.LblCount->text().endsWith("; skipping I, N, G: the pattern can't use them")) << caller.LblCount->text().toStdString();
    for (int i = 0; i < 31; ++i)
        caller.Next();
    ASSERT_EQ(caller.Draw()->CalledCount(), 30);
    for (const int index : caller.Draw()->Calls())
        EXPECT_TRUE(caller.Draw()->Words()[index].toInt() <= 15 || caller.Draw()->Words()[index].toInt() > 60);
    EXPECT_EQ(Announcer::Of(&caller)->Last(), "Every number the pattern can use is called");
    caller.ChkShare->setChecked(false);
}

TEST_F(SharedByTheCaller, TheGamesRecordIsSavedByTheCallerAndWrittenAgainByPlumwickPrint)
{
    TFrmMain& main = Open();
    TempFolder files;
    GameRecord record{QString(), WriteNumbersList(files), CardOptions{}, 10};
    record.Code = NumberedGame(GameHistory::LoadGame(record).Words, record.Options, 4243).Code().Text();
    ASSERT_EQ(GameHistory::Add(record), "");
    const GameSource game = GameHistory::LoadGame(record);
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.show();
    caller.Play(game);
    caller.SetPrizes({{"line", 1}, {"full", 0}});
    for (int i = 0; i < 75; ++i)
        caller.Next();
    caller.ConfirmWinner(4, "row 1");
    Q_EMIT caller.Share->ClaimCleared(5, "Card 5 claims bingo: not yet, 2 missing");

    Asks.ExpectSave(files.Path("record.pdf"), "Save the Game's Record");
    caller.SaveRecord();
    if (qEnvironmentVariableIsSet("PLUMWICK_KEEP_RECORD")) // to look at
        QFile::copy(files.Path("record.pdf"), qEnvironmentVariable("PLUMWICK_KEEP_RECORD"));
    const QString pdf = ToolOutput("pdftotext", {"-layout", files.Path("record.pdf"), "-"});
    for (const QString& part : {"Game record: " + record.Code, QString("Prize 1: Any line"), QString("Card 4: row 1, after 75 calls"),
                                QString("Prize 2: Full card"), QString("Not won."), QString("Card 5 claims bingo: not yet, 2 missing")})
        EXPECT_TRUE(pdf.contains(part)) << part.toStdString() << "\n" << pdf.toStdString();

    // The same record from the saved game, by plumwick-print, as CSV.
    const auto print = [&](const QStringList& arguments) {
        QProcess p;
        p.setWorkingDirectory(files.Path());
        p.start(PLUMWICK_PRINT, arguments);
        p.waitForFinished(60000);
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardError()).trimmed());
    };
    ASSERT_EQ(print({"--record", record.Code, "-o", "record.csv"}).first, 0);
    const QStringList rows = QString::fromUtf8(files.Read("record.csv")).split("\r\n");
    ASSERT_EQ(rows.size(), 2 + 75 + 1 + 2 + 1); // the heads, the calls, the winner, the claims, and the last line's end
    EXPECT_EQ(rows[0], "Game," + record.Code + ",Game " + record.Code + " (numbers)");
    const QString first = game.Words[caller.Draw()->Calls().front()];
    EXPECT_TRUE(rows[2].startsWith("call,1," + first + ",," + QDate::currentDate().toString("yyyy-MM-dd"))) << rows[2].toStdString();
    EXPECT_EQ(rows[77], "winner,1,Any line,4,\"row 1, after 75 calls\"");
    EXPECT_TRUE(rows[78].startsWith("confirmed,,Bingo! Card 4: row 1,4,")) << rows[78].toStdString();
    EXPECT_TRUE(rows[79].startsWith("cleared,,\"Card 5 claims bingo: not yet, 2 missing\",5,")) << rows[79].toStdString();
    const QString unknown = GameCode{99, 5}.Text();
    EXPECT_EQ(print({"--record", unknown}), std::make_pair(1, "plumwick-print: This computer has no record of game " + unknown + "."));
}
