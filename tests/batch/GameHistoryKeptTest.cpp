// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The history of games through plumwick-print: never silently replaced or rewritten, never
// silently lost, and what it holds is taken only as the program writes it.
#include "support/PrintProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class GameHistoryKept : public ::testing::Test {
protected:
    PrintRun Print(const QStringList& arguments) { return RunPlumwickPrint(Folder, arguments); }
    QString NewGame(int cards, const QStringList& more = {})
    {
        const PrintRun run = Print(QStringList{"-q", "--numbered", "--cards", QString::number(cards), "-o", "g.pdf"} +
                                   more + QStringList{WriteNumbersList(Folder)});
        EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
        return QRegularExpression("Game code: (\\S+)").match(run.Out).captured(1);
    }
    QString Data(const QString& name = {}) const { return Folder.Path("home/Plumwick/" + name); }
    QJsonArray History() const { return QJsonDocument::fromJson(Folder.Read("home/Plumwick/Games.json")).array(); }
    TempFolder Folder;
};

} // namespace

TEST_F(GameHistoryKept, AnUnreadableHistoryIsKeptAsideAndSaid)
{
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {{"a syntax error", "[{\"code\": \"K7F2-9QXA\", }"},
                          {"no list", "{\"code\": 1}"},
                          {"over the size limit", QByteArray(33 * 1024 * 1024, ' ')}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(Data()).removeRecursively();
        QDir().mkpath(Data());
        Folder.Write("home/Plumwick/Games.json", c.bytes);
        const PrintRun run = Print({"-q", "--numbered", "-o", "g.pdf", WriteNumbersList(Folder)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_TRUE(run.Err.startsWith("plumwick-print: warning: The game history could not be read (")) << run.Err.toStdString();
        const QStringList aside = QDir(Data()).entryList({"Games.unreadable-*.json"});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(run.Err.contains(aside.front()));
        EXPECT_EQ(Folder.Read("home/Plumwick/" + aside.front()), c.bytes);
        EXPECT_EQ(History().size(), 1); // a new history with the new game
    }
}

TEST_F(GameHistoryKept, AHistoryThatCannotBeWrittenIsSaid)
{
    // The data folder's name is taken by a file: nothing can be written there.
    Folder.Write("home/Plumwick", "in the way");
    const PrintRun run = Print({"-q", "--numbered", "-o", "g.pdf", WriteNumbersList(Folder)});
    EXPECT_EQ(run.Status, 0); // the cards are printed
    EXPECT_TRUE(run.Out.startsWith("Game code: "));
    EXPECT_TRUE(QFileInfo::exists(Folder.Path("g.pdf")));
    EXPECT_TRUE(run.Err.startsWith("plumwick-print: warning: Game ")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("was not recorded in the game history (" + Data("Games.json") + ": "));
}

TEST_F(GameHistoryKept, ReprintsKeepTheGamesRecord)
{
    const QString code = NewGame(40, {"--heading=PLUMS"});
    ASSERT_FALSE(code.isEmpty());
    // One card again, with other texts: the record keeps the game's own and its 40 cards.
    ASSERT_EQ(Print({"-q", "--game", code, "--cards", "1", "--heading=OTHER", "-o", "again.pdf", Folder.Path("numbers.pwk")}).Status, 0);
    ASSERT_TRUE(QDir().mkpath(Folder.Path("out")));
    ASSERT_EQ(Print({"-q", "--game", code, "--cards", "2", "--export", "out", Folder.Path("numbers.pwk")}).Status, 0);
    ASSERT_EQ(History().size(), 1);
    const QJsonObject record = History().at(0).toObject();
    EXPECT_EQ(record.value("cards").toInt(), 40);
    EXPECT_EQ(record.value("headingText").toString(), "PLUMS");
    Folder.Write("none.pwk", "");
    const PrintRun check = Print({"--check", code, "--card", "30", "--called", Folder.Path("none.pwk"), Folder.Path("numbers.pwk")});
    EXPECT_EQ(check.Status, 4) << check.Err.toStdString(); // a card of the game, not yet a bingo
    // More cards than before raise the count.
    ASSERT_EQ(Print({"-q", "--game", code, "--cards", "50", "-o", "more.pdf", Folder.Path("numbers.pwk")}).Status, 0);
    EXPECT_EQ(History().at(0).toObject().value("cards").toInt(), 50);
}

TEST_F(GameHistoryKept, CodesFromTheFileAreTakenOnlyAsTheProgramWritesThem)
{
    const QString code = NewGame(4);
    QJsonArray games = History();
    for (const char* crafted : {"x/../../evil", "../Options", "k7f2-9qxa", ""}) {
        QJsonObject bad = games.at(0).toObject();
        bad["code"] = crafted;
        games.prepend(bad);
    }
    Folder.Write("home/Plumwick/Games.json", QJsonDocument(games).toJson());
    // The crafted entries are dropped at the next write; the real game stays.
    const QString next = NewGame(4);
    QStringList codes;
    for (const QJsonValue& g : History())
        codes << g.toObject().value("code").toString();
    EXPECT_EQ(codes, (QStringList{next, code}));
}

// A game's printed lines are in the language the program spoke when the game was made, kept
// with the game, so that printing it again gives the same lines whatever the program speaks
// then. A game made in English keeps the record as before, without a language.
TEST_F(GameHistoryKept, AGamesLinesKeepTheLanguageItWasMadeIn)
{
    const QString numbers = WriteNumbersList(Folder);
    ASSERT_TRUE(QDir().mkpath(Folder.Path("made")) && QDir().mkpath(Folder.Path("again")));
    const PrintRun made =
        RunPlumwickPrint(Folder, {"-q", "--numbered", "--cards", "2", "--export", "made", "--format", "html", numbers}, "de_DE");
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    const QString code = QRegularExpression("([0-9A-Z]{4}-[0-9A-Z]{4})").match(made.Out).captured(1);
    ASSERT_FALSE(code.isEmpty()) << made.Out.toStdString();
    EXPECT_EQ(History().at(0).toObject().value("language").toString(), "de");
    const QString line = "Karte 2 \u00b7 Spiel " + code + " \u00b7 Pr\u00fcfcode ";
    EXPECT_TRUE(QString::fromUtf8(Folder.Read("made/" + code + "-card-0002.html")).contains(line));
    // Printed again with the program in English: the same German line.
    const PrintRun again = RunPlumwickPrint(
        Folder, {"-q", "--game", code, "--cards", "2", "--export", "again", "--format", "html", numbers}, "en_GB");
    ASSERT_EQ(again.Status, 0) << again.Err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(Folder.Read("again/" + code + "-card-0002.html")).contains(line));
    // In English, no language is kept.
    const QString english = NewGame(1);
    for (const QJsonValue game : History())
        if (game.toObject().value("code").toString() == english)
            EXPECT_FALSE(game.toObject().contains("language"));
}

TEST_F(GameHistoryKept, MoreCardsThatCannotBeRecordedAreNotDealt)
{
    // Cards 1 to 4 of a game, and strips 1 to 2 of a ticket game, recorded.
    const QString cards = NewGame(4);
    const PrintRun made = Print({"-q", "--tickets", "--numbered", "--strips", "2", "-o", "t.pdf"});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    const QString tickets = QRegularExpression("Game code: (\\S+)").match(made.Out).captured(1);
    ASSERT_TRUE(QDir().mkpath(Folder.Path("out")));
    struct Case {
        const char* what;
        QString code;
        QStringList arguments;
        QString firstDealt; // what the next job deals once the history can be written again
    };
    const Case cases[] = {
        {"cards to print", cards, {"--game", cards, "--more", "--cards", "2", "-o", "more.pdf", Folder.Path("numbers.pwk")},
         "Card 5 · Game " + cards},
        {"cards to export", cards, {"--game", cards, "--more", "--cards", "2", "--export", "out", Folder.Path("numbers.pwk")},
         "card-0007"}, // after cards 5 and 6, printed above
        {"strips to export", tickets, {"--tickets", "--game", tickets, "--more", "--strips", "1", "--export", "out"},
         "strip-0003"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The data folder's place taken by a file: the history can't be written.
        const QString data = Folder.Path("home/Plumwick");
        ASSERT_TRUE(QDir().rename(data, Folder.Path("kept")));
        Folder.Write("home/Plumwick", "in the way");
        const PrintRun refused = Print(QStringList{"-q"} + c.arguments);
        EXPECT_EQ(refused.Status, 1);
        EXPECT_TRUE(refused.Err.startsWith("plumwick-print: No card of game " + c.code + " was dealt")) << refused.Err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Folder.Path("more.pdf")));
        EXPECT_EQ(QDir(Folder.Path("out")).entryList(QDir::Files), QStringList());
        // Once it can be written, the next job deals the cards after those recorded.
        ASSERT_TRUE(QFile::remove(data));
        ASSERT_TRUE(QDir().rename(Folder.Path("kept"), data));
        const PrintRun dealt = Print(QStringList{"-q"} + c.arguments);
        ASSERT_EQ(dealt.Status, 0) << dealt.Err.toStdString();
        const QStringList written = QDir(Folder.Path("out")).entryList(QDir::Files, QDir::Name);
        const QString seen = written.isEmpty() ? ToolOutput("pdftotext", {Folder.Path("more.pdf"), "-"}) : written.front();
        EXPECT_TRUE(seen.contains(c.firstDealt)) << seen.left(300).toStdString();
        QFile::remove(Folder.Path("more.pdf"));
        for (const QString& name : written)
            QFile::remove(Folder.Path("out/" + name));
    }
}
