// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A night of 90-ball tickets: the caller's nine-column board and traditional calls, and the
// checker turned to tickets by a ticket game's code.
#include "widgets/CallerBoard.h"
#include "app/CallerWindow.h"
#include "widgets/CardGridView.h"
#include "dialogs/CheckCardDialog.h"
#include "widgets/TicketGridView.h"
#include "game/GameCode.h"
#include "game/TraditionalCalls.h"
#include "records/GameHistory.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QLabel>

namespace {

// A ticket game of `strips` strips in the history, with the seed given.
QString RecordTicketGame(std::uint32_t seed, int strips)
{
    GameRecord record;
    record.Code = GameCode{seed, NinetyBall::TicketShape()}.Text();
    record.Cards = strips;
    record.Tickets = true;
    EXPECT_EQ(GameHistory::Add(record), "");
    return record.Code;
}

} // namespace

TEST_F(MainWindowTest, TheCallerShowsTicketsOnAHallBoardWithTheirTraditionalCalls)
{
    WriteSettings("[Tickets]\r\nPlay=1\r\n");
    Home.Folder.Write("Plumwick/SampleLists/90-Ball Calls.txt", "# mine\n22\tTwo little ducks\n88  Two fat ladies\n");
    TFrmMain& w = Open();
    const QString code = RecordTicketGame(4242, 3);
    std::uint64_t r = 5;
    CallerWindow caller(&w, Asks, nullptr, [&] { return w.CurrentGameSource(); },
                        [&] { return r = r * 6364136223846793005ull + 1442695040888963407ull; });
    caller.Play(w.CurrentGameSource());
    EXPECT_EQ(caller.Source().Code, code);
    EXPECT_EQ(caller.LblCount->text(), "0 of 90 called");
    EXPECT_TRUE(caller.ChkTraditional->isVisibleTo(&caller));
    EXPECT_TRUE(caller.ChkShare->isEnabled()); // a printed game of tickets can be shared
    auto* board = static_cast<CallerBoard*>(caller.Board);
    // Ten to a row, as on a hall's board, and its rows as tall as a 75-ball board's (about
    // 38 pixels in this window: the call gives it room).
    ASSERT_EQ(board->Columns(), 10);
    ASSERT_EQ(board->Rows(), 9);
    EXPECT_EQ(board->CellText(0, 0), "1, not called");
    EXPECT_EQ(board->CellText(0, 9), "10, not called");
    EXPECT_EQ(board->CellText(2, 1), "22, not called");
    EXPECT_EQ(board->CellText(8, 9), "90, not called");
    EXPECT_EQ(board->CellText(9, 0), "");
    caller.resize(900, 600);
    caller.show();
    QApplication::processEvents();
    EXPECT_GE(board->height() / 9, 30);

    // Called plainly, without a column letter; with the box ticked, by its call where it has one.
    for (int i = 0; i < 500; ++i) { // new games until one opens with 22
        caller.NewGame();
        caller.Next();
        if (caller.Draw()->Words()[caller.Draw()->Calls().back()] == "22")
            break;
        Asks.ExpectQuestion("Start a new game? The 1 calls so far are cleared.", true);
    }
    ASSERT_EQ(caller.LblCall->text(), "22");
    EXPECT_EQ(board->CellText(2, 1), "22, called");
    caller.ChkTraditional->setChecked(true);
    EXPECT_EQ(caller.LblCall->text(), "Two little ducks, 22");
    EXPECT_TRUE(Settings().contains("TraditionalCalls=1"));
    caller.Next();
    const QString second = caller.Draw()->Words()[caller.Draw()->Calls().back()];
    EXPECT_EQ(caller.LblCall->text(), second == "88" ? "Two fat ladies, 88" : second);
    // The last calls stay short: numbers only.
    EXPECT_EQ(caller.LblLast->toolTip(), "Last calls: " + QString("\u2068%1\u2069, \u206822\u2069").arg(second));
}

TEST_F(MainWindowTest, TheCheckerTurnsToTicketsForATicketGame)
{
    TFrmMain& w = Open();
    const QString code = RecordTicketGame(99, 2);
    // Ticket 8 is ticket 2 of strip 2; its second row called.
    NinetyBall::StripGame game(NinetyBall::Dealer(), 99);
    game.Plan(2);
    const NinetyBall::Ticket ticket = game.At(2)[1];
    QByteArray calls = "Plumwick calls 1\n";
    for (const int n : ticket.Cells[1])
        if (n != 0)
            calls += QByteArray::number(n - 1) + "\t" + QByteArray::number(n) + "\n";
    Home.Folder.Write("Plumwick/Calls-" + code + ".txt", calls);

    CheckCardDialog check(&w, Asks, [&] { return w.CurrentGameSource(); }, code);
    EXPECT_EQ(check.LblNumber->text(), "&Ticket number:");
    EXPECT_EQ(check.CboPattern->count(), 3);
    EXPECT_EQ(check.CboPattern->accessibleDescription(), "One line"); // the pattern it shows, said
    check.EdtCard->setValue(8);
    check.CheckClick();
    EXPECT_EQ(check.LblVerdict->text(), "Bingo: row 2");
    EXPECT_TRUE(check.TicketGrid->Showing());
    EXPECT_FALSE(check.Grid->isVisibleTo(&check));
    EXPECT_EQ(check.LblNote->text(), "Ticket 8 is ticket 2 of strip 2.");
    int called = 0, blanks = 0;
    for (int c = 0; c < 9; ++c) {
        called += check.TicketGrid->CellText(1, c).endsWith(", called, in a winning row");
        blanks += check.TicketGrid->CellText(0, c) == "blank";
    }
    EXPECT_EQ(called, 5);
    EXPECT_EQ(blanks, 4);
    check.CboPattern->setCurrentIndex(2);
    check.CheckClick();
    EXPECT_EQ(check.LblVerdict->text(), "No bingo yet: 10 numbers missing for a full house");

    // Beyond the strips printed; then a card game's code turns the dialog back to cards.
    check.EdtCard->setValue(13);
    Asks.ExpectError("Game " + code + " has 2 strips (tickets 1 to 12); there is no ticket 1 on strip 3");
    check.CheckClick();
    EXPECT_FALSE(check.TicketGrid->Showing());
    check.CboCode->setEditText(GameCode{99, 5}.Text());
    EXPECT_EQ(check.LblNumber->text(), "&Card number:");
    EXPECT_EQ(check.CboPattern->count(), static_cast<int>(PatternsFor(5, {}).size()));
    EXPECT_EQ(check.CboPattern->itemText(1), "Four corners");
}

TEST(TraditionalCalls, AHostsListIsReadLeniently)
{
    const auto calls = ParseTraditionalCalls("# notes\n\n22\tTwo little ducks\n 7  Lucky seven  \n91\tToo far\n0 none\n"
                                             "eleven Legs\n7\tLucky for some\r\n45\n");
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(TraditionalCallText(calls, 22), "Two little ducks, 22");
    EXPECT_EQ(TraditionalCallText(calls, 7), "Lucky for some, 7");
    EXPECT_EQ(TraditionalCallText(calls, 45), "45");
}
