// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A game's ledger: cards meant to be new never repeat one had since, cards chosen again on
// purpose are had again, a phone is dealt from the record of the moment (also for tickets,
// a strip at a time), a history that can't be written deals nothing, and a new
// game never takes a code recorded here.
#include "game/GameCode.h"
#include "records/GameHistory.h"
#include "records/GameLedger.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

GameRecord Cards(const QString& code) { return {code, QStringLiteral("/lists/zoo.pwk"), CardOptions{}, 0, false, {}}; }

// A code as the program writes it (the history keeps no other): game n of one list.
QString Code(std::uint32_t n) { return GameCode{n, 0x5A5}.Text(); }

} // namespace

TEST(GameLedger, TakesWhatIsMeantAndNeverANewCardTwice)
{
    TempDataHome home;
    ASSERT_EQ(GameHistory::Add({Code(1), QStringLiteral("/lists/zoo.pwk"), CardOptions{}, 20}), QString());
    struct Case {
        const char* what;
        int count, from, seen;
        int first, hadAfter;
    };
    const Case cases[] = {
        {"the next cards", 5, 1, 0, 21, 25},
        {"the card after the last one seen, taken since: after them", 3, 21, 20, 26, 28},
        {"a later card than the next, meant as new", 2, 40, 28, 40, 41},
        {"cards had before, chosen again on purpose", 4, 5, 41, 5, 41},
        {"a reprint that runs past the last card", 3, 40, 41, 40, 42},
    };
    for (const Case& c : cases) {
        const GameHistory::TakenCards taken = GameHistory::Take(Cards(Code(1)), c.count, c.from, c.seen);
        EXPECT_EQ(taken.First, c.first) << c.what;
        EXPECT_EQ(taken.Note, QString()) << c.what;
        EXPECT_EQ(GameHistory::CardsHad(Code(1)), c.hadAfter) << c.what;
    }
    // The record keeps its list; a game not recorded yet starts its ledger at card 1.
    const auto record = GameHistory::Find(Code(1));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ListFile, QStringLiteral("/lists/zoo.pwk"));
    EXPECT_EQ(GameHistory::Take(Cards(Code(2)), 2).First, 1);
}

TEST(GameLedger, PhonesAreDealtFromTheRecordOfTheMoment)
{
    TempDataHome home;
    std::vector<QString> notes;
    const SharedGame::Ledger cards = RecordedLedger(Cards(Code(1)), [&](const QString& n) { notes.push_back(n); });
    EXPECT_EQ(cards.TakeNext(), 1);
    // Another dealer (an export, plumwick-print) takes cards 2 to 11 meanwhile.
    EXPECT_EQ(GameHistory::Take(Cards(Code(1)), 10).First, 2);
    EXPECT_EQ(cards.Had(), 11);
    EXPECT_EQ(cards.TakeNext(), 12);
    // A second sharing of the same game (the box unticked and ticked again) goes on after it.
    EXPECT_EQ(RecordedLedger(Cards(Code(1)), [](const QString&) {}).TakeNext(), 13);

    // Tickets: the record counts strips, the phones tickets; a strip is taken whole.
    GameRecord tickets;
    tickets.Code = Code(3);
    tickets.Tickets = true;
    ASSERT_EQ(GameHistory::Add({tickets.Code, {}, {}, 2, true}), QString()); // strips 1 and 2 printed
    const SharedGame::Ledger phones = RecordedLedger(tickets, [](const QString&) {});
    EXPECT_EQ(phones.Had(), 12);
    EXPECT_EQ(phones.TakeNext(), 13); // ticket 1 of strip 3
    EXPECT_EQ(phones.TakeNext(), 14);
    EXPECT_EQ(phones.Had(), 14);      // the rest of strip 3 is still this sharing's to deal
    EXPECT_EQ(GameHistory::Take(tickets, 1).First, 4); // an export takes strip 4, not strip 3
    EXPECT_EQ(phones.Had(), 24);
    for (int ticket = 15; ticket <= 18; ++ticket)
        EXPECT_EQ(phones.TakeNext(), ticket);
    EXPECT_EQ(phones.TakeNext(), 25); // strip 5
    EXPECT_TRUE(notes.empty());
}

TEST(GameLedger, AHistoryThatCantBeWrittenDealsNothing)
{
    TempDataHome home;
    // The data folder's place is taken by a file: nothing can be written there.
    QFile::remove(home.DataFolder() + QStringLiteral("/Options.ini"));
    ASSERT_TRUE(QDir(home.DataFolder()).removeRecursively());
    home.Folder.Write(QStringLiteral("Plumwick"), "not a folder");
    // Cards this process alone knew of would be dealt again by the next one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const GameHistory::TakenCards taken = GameHistory::Take(Cards(Code(4)), 3);
        EXPECT_FALSE(taken.Recorded);
        EXPECT_EQ(taken.First, 0);
        EXPECT_TRUE(taken.Note.startsWith(QStringLiteral("No card of game ") + Code(4) + QStringLiteral(" was dealt")))
            << taken.Note.toStdString();
    }
    std::vector<QString> notes;
    EXPECT_EQ(RecordedLedger(Cards(Code(4)), [&](const QString& n) { notes.push_back(n); }).TakeNext(), 0);
    EXPECT_EQ(notes.size(), 1u);
    // Written again once it can be: from card 1, as nothing was dealt.
    ASSERT_TRUE(QFile::remove(home.Folder.Path(QStringLiteral("Plumwick"))));
    EXPECT_EQ(GameHistory::Take(Cards(Code(4)), 3).First, 1);
}

TEST(GameLedger, ANewGameNeverTakesACodeRecordedHere)
{
    TempDataHome home;
    // Seeds made to fall on three codes only: two of them are taken.
    const auto codeOf = [](std::uint32_t seed) { return Code(100 + seed % 3); };
    ASSERT_EQ(GameHistory::Add({Code(100), QStringLiteral("/l.pwk"), CardOptions{}, 1}), QString());
    ASSERT_EQ(GameHistory::Add({Code(101), QStringLiteral("/l.pwk"), CardOptions{}, 1}), QString());
    for (int game = 0; game < 5; ++game) {
        // The first new game takes the free code; it is kept, so no later one can.
        if (game == 0)
            EXPECT_EQ(codeOf(GameHistory::NewSeed(codeOf)), Code(102));
        else
            EXPECT_THROW(GameHistory::NewSeed(codeOf), std::exception);
    }
    // Codes kept beyond the last 20 games of the history.
    const QByteArray kept = home.Folder.Read(QStringLiteral("Plumwick/GameCodes.txt"));
    EXPECT_EQ(kept, Code(102).toLatin1() + "\n");
}
