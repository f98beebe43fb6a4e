// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Prizes as the host handles them without phones: the prizes put in order, a card on paper
// checked for the prize played and confirmed as its winner, and a game that goes on after
// the caller closed with its winners and the times of its calls.
#include "app/CallerWindow.h"
#include "dialogs/CheckCardDialog.h"
#include "widgets/PatternBox.h"
#include "widgets/PatternPicture.h"
#include "dialogs/PrizesDialog.h"
#include "game/NumberedGame.h"
#include "output/GameRecordPdf.h"
#include "records/GameHistory.h"
#include "support/MainWindowFixture.h"
#include "support/PrintProcess.h"
#include "support/Words.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

QStringList Listed(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

TEST_F(MainWindowTest, PrizesArePutInOrderForCardsAndForTickets)
{
    TFrmMain& main = Open();
    PrizesDialog cards(&main, Asks, false, 5, {});
    EXPECT_FALSE(cards.BtnRemove->isEnabled());
    cards.BtnUsual->click();
    EXPECT_EQ(Listed(cards.LstPrizes), QStringList({"Any line: one winner", "Four corners: one winner", "Full card: one winner"}));
    cards.LstPrizes->setCurrentRow(0);
    EXPECT_FALSE(cards.BtnUp->isEnabled());
    cards.BtnDown->click(); // any line after the corners
    EXPECT_EQ(cards.LstPrizes->currentRow(), 1);
    ASSERT_TRUE(ChoosePattern(cards.CboPattern, "postage-stamp"));
    cards.SpnWinners->setValue(3);
    cards.BtnAdd->click(); // after the current prize
    cards.LstPrizes->setCurrentRow(3);
    EXPECT_FALSE(cards.BtnDown->isEnabled());
    cards.BtnRemove->click();
    EXPECT_EQ(cards.Result(), (std::vector<Prize>{{"corners", 1}, {"line", 1}, {"postage-stamp", 3}}));
    EXPECT_EQ(cards.LstPrizes->item(2)->text(), "Postage stamp: 3 winners");

    // Tickets: their own three, their keys read from a box of tickets.
    PrizesDialog tickets(&main, Asks, true, 5, {{"house", 0}});
    EXPECT_FALSE(tickets.BtnDraw->isVisibleTo(&tickets));
    EXPECT_EQ(Listed(tickets.LstPrizes), QStringList{"Full house: any number of winners"});
    ASSERT_TRUE(ChoosePattern(tickets.CboPattern, "two"));
    EXPECT_EQ(BoxKey(tickets.CboPattern), "two");
    tickets.LstPrizes->setCurrentRow(-1);
    tickets.BtnAdd->click(); // at the top, with nothing chosen
    EXPECT_EQ(tickets.Result(), (std::vector<Prize>{{"two", 1}, {"house", 0}}));
}

TEST_F(MainWindowTest, APaperCardCheckedForThePrizeIsConfirmedAndTheGameGoesOnWithItsWinners)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(NumberWords(1, 75));
    w.ArrangeCard();
    const CardOptions options = w.Options();
    NumberedGame game(w.WordList.Items(), options, 778);
    QString error;
    ASSERT_TRUE(game.Plan(5, error));
    const QString code = game.Code().Text();
    ASSERT_EQ(GameHistory::Add({code, "", options, 5}), "");
    GameSource source = w.CurrentGameSource();
    source.Code = source.Key = code;
    std::uint64_t r = 5;
    auto random = [&] { return r = r * 6364136223846793005ull + 1442695040888963407ull; };
    std::vector<std::pair<int, QString>> won;
    {
        CallerWindow caller(&w, Asks, nullptr, [&] { return source; }, random);
        caller.Play(source);
        caller.SetPrizes({{"line", 1}, {"full", 1}});
        for (int i = 0; i < 75; ++i)
            caller.Next();

        // The checker, opened for the prize played: Confirm Winner only once the card wins.
        CheckCardDialog check(&w, Asks, [&] { return source; }, code);
        check.PlayFor("line");
        check.OnWinner([&](int card, const QString& line) {
            won.emplace_back(card, line);
            caller.ConfirmWinner(card, line);
        });
        EXPECT_TRUE(check.BtnWinner->isVisibleTo(&check));
        EXPECT_FALSE(check.BtnWinner->isEnabled());
        check.EdtCard->setValue(3);
        check.CheckClick();
        ASSERT_TRUE(check.BtnWinner->isEnabled());
        EXPECT_EQ(check.Picture->accessibleName(), "Pattern: Any line");
        check.BtnWinner->click();
        EXPECT_FALSE(check.BtnWinner->isEnabled()); // once
        EXPECT_EQ(caller.LblPrize->text(), "Prize 2 of 2: Full card\nWon: Any line: 3");
        // Undone to 74 calls, the game is left part way.
        caller.Undo();
    }
    EXPECT_EQ(won, (std::vector<std::pair<int, QString>>{{3, "row 1"}}));

    // Opened again and gone on: its prizes, its winner and the first call's time are kept.
    Asks.ExpectQuestion("This game was stopped after 74 calls. Go on where it stopped?", true);
    CallerWindow again(&w, Asks, nullptr, [&] { return source; }, random);
    again.Play(source);
    EXPECT_EQ(again.LblPrize->text(), "Prize 2 of 2: Full card\nWon: Any line: 3");
    const GameRecordSheet sheet = GameHistory::RecordSheet(source);
    ASSERT_EQ(sheet.Log.Calls.size(), 74u);
    EXPECT_TRUE(sheet.Log.Calls.front().At.isValid());
    ASSERT_EQ(sheet.Winners.size(), 1u);
    EXPECT_EQ(sheet.Winners[0].Card, 3);
    EXPECT_EQ(sheet.Winners[0].Won.size(), 5u);
    // Started afresh instead: the same prizes, no winners, no times.
    Asks.ExpectQuestion("This game was stopped after 74 calls. Go on where it stopped?", false);
    again.Play(source);
    EXPECT_EQ(again.LblPrize->text(), "Prize 1 of 2: Any line");
}

TEST(GameRecordPdf, ATicketsRecordNamesItsTicketsAndItsUnwonPrizes)
{
    GameRecordSheet sheet;
    sheet.Code = QStringLiteral("TICKETS");
    sheet.Prizes = PrizeRound(PrizeRound::Usual(true));
    sheet.PrizeNames = {"One line", "Two lines", "Full house"};
    NinetyBall::StripGame strips(NinetyBall::Dealer(), 99);
    strips.Plan(1);
    const NinetyBall::Strip strip = strips.At(1); // kept: the loop reads into it
    for (const int n : strip[1].Cells[0])
        if (n != 0)
            sheet.Log.Called(QString::number(n), QDateTime::currentDateTimeUtc());
    bool movedOn = false;
    sheet.Prizes.Confirm({2, "row 1", 5}, movedOn);
    sheet.Log.Claimed(4, "Ticket 4 claims bingo: not yet", false, QDateTime::currentDateTimeUtc());
    sheet.Winners = WinnerCards(sheet, {}, {}, 99, true, {});
    // Written beside the windows, whose font is sized in pixels: its text still reads at
    // a size for paper, not a pixel of 1/1200 inch.
    const QFont windows = QApplication::font();
    QFont pixels = windows;
    pixels.setPixelSize(13);
    QApplication::setFont(pixels);
    TempFolder folder;
    WriteRecord(folder.Path("record.pdf"), sheet);
    QApplication::setFont(windows);
    auto words = QRegularExpression(R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">)re")
                     .globalMatch(ToolOutput("pdftotext", {"-bbox", folder.Path("record.pdf"), "-"}));
    double lowest = 1000;
    int read = 0;
    for (; words.hasNext(); ++read) {
        const auto word = words.next();
        lowest = std::min(lowest, word.captured(2).toDouble() - word.captured(1).toDouble());
    }
    EXPECT_GT(read, 50);
    EXPECT_GE(lowest, 8.0) << "points, the lowest word's height";
    const QString text = ToolOutput("pdftotext", {"-layout", folder.Path("record.pdf"), "-"});
    for (const char* part : {"Game record: TICKETS", "Ticket 2: row 1, after 5 calls", "Prize 2: Two lines", "Not won.",
                             "Ticket 4 claims bingo: not yet", "cleared"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    // The CSV beside it, by the name's ending.
    WriteRecord(folder.Path("record.CSV"), sheet);
    EXPECT_TRUE(folder.Read("record.CSV").startsWith("Game,TICKETS,\r\n"));
}
