// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Game night in the window: numbered print jobs, the caller and the checker.
#include "app/CallerWindow.h"
#include "widgets/CardGridView.h"
#include "dialogs/CheckCardDialog.h"
#include "app/SharePanel.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "platform/Speech.h"
#include "game/CheckCode.h"
#include "records/GameHistory.h"
#include "support/MainWindowFixture.h"
#include "support/Words.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>

namespace {

class SilentVoice final : public Speech {
public:
    bool Works = true;
    QStringList Said;
    bool Available(QString* why) override
    {
        if (why && !Works)
            *why = "No speech engine is installed.";
        return Works;
    }
    void Say(const QString& text) override { Said << text; }
    bool Busy = false;
    bool Speaking() override { return Busy; }
};

void AddNumbers(TFrmMain& w)
{
    w.WordList.InsertMany(NumberWords(1, 75));
    w.ArrangeCard();
}

} // namespace

TEST_F(MainWindowTest, NumberedCardsAreAGame)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    // Off: a job prints as before, no footer and no message.
    w.MnuFilePrint->trigger();
    for (const auto& t : Printer.Paper.Texts)
        EXPECT_FALSE(t.Str.startsWith("Card "));
    EXPECT_TRUE(GameHistory::Read().isEmpty());

    w.MnuNumberCards->trigger();
    EXPECT_TRUE(Settings().contains("[Game]\r\nNumberCards=1\r\n"));
    EXPECT_TRUE(Settings().startsWith("[Game]") || !Settings().contains("[Options]\r\nNumberCards"));
    w.EdtCardNum->setValue(3);
    Printer.Paper.Texts.clear();
    Asks.ExpectInformationMatching("^These cards belong to game \\S+\\. Keep the code to check a winning card\\.$");
    w.MnuFilePrint->trigger();
    const QString code = Asks.Shown.back().section(' ', 5, 5).chopped(1);
    EXPECT_TRUE(ParseGameCode(code).has_value()) << code.toStdString();
    // A footer goes out in pieces ("Card ", the digits, the rest) along one baseline.
    QStringList footers;
    const auto& texts = Printer.Paper.Texts;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].Str != "Card ")
            continue;
        QString line;
        for (size_t j = i; j < texts.size() && texts[j].Y == texts[i].Y && texts[j].X >= texts[i].X; ++j)
            line += texts[j].Str;
        footers << line;
    }
    // Each with its check code, from the game's secret.
    const QString secret = GameHistory::SecretOf(code);
    ASSERT_EQ(secret.size(), 32);
    QStringList expected;
    for (int n = 1; n <= 3; ++n)
        expected << QStringLiteral("Card %1 \u00b7 Game %2 \u00b7 Check %3").arg(n).arg(code, CheckCode::Of(secret, n));
    EXPECT_EQ(footers, expected);
    ASSERT_EQ(GameHistory::Read().size(), 1);
    EXPECT_EQ(GameHistory::Read().front().Cards, 3);
    // The call list carries the game's code.
    Printer.Paper.Texts.clear();
    w.MnuFilePrintList->trigger();
    EXPECT_EQ(Printer.Paper.Texts.front().Str, "Game " + code);
}

TEST_F(MainWindowTest, TheCallerDrawsUndoesAndGoesOn)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    SilentVoice voice;
    std::uint64_t r = 1;
    auto random = [&] { return r = r * 6364136223846793005ull + 1442695040888963407ull; };
    auto current = [&] { return w.CurrentGameSource(); };
    {
        CallerWindow caller(&w, Asks, &voice, current, random);
        caller.Play(current());
        EXPECT_EQ(caller.LblCount->text(), "0 of 75 called");
        EXPECT_FALSE(caller.BtnUndo->isEnabled());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&caller, Qt::Key_Space);
        EXPECT_EQ(caller.LblCount->text(), "3 of 75 called");
        // The numbers 1 to 75 with the heading on are called with their column letter.
        EXPECT_TRUE(QRegularExpression("^[BINGO] \\d+$").match(caller.LblCall->text()).hasMatch()) << caller.LblCall->text().toStdString();
        QTest::keyClick(&caller, Qt::Key_Backspace);
        EXPECT_EQ(caller.Draw()->CalledCount(), 2);
        EXPECT_EQ(caller.LblLast->toolTip().count(','), 1);
        caller.ChkReadAloud->setChecked(true);
        QTest::keyClick(&caller, Qt::Key_Return);
        EXPECT_EQ(voice.Said, QStringList{caller.LblCall->text()});
        EXPECT_TRUE(Settings().contains("[Game]\r\nReadAloud=1"));
    }
    // Closed after three calls: opened again, it offers to go on.
    Asks.ExpectQuestion("This game was stopped after 3 calls. Go on where it stopped?", true);
    CallerWindow again(&w, Asks, &voice, current, random);
    again.show(); // open already: the box's own loop paints the board while it asks
    Asks.WhileAsking = [&] { again.Board->repaint(); };
    again.Play(current());
    Asks.WhileAsking = nullptr;
    EXPECT_EQ(again.Draw()->CalledCount(), 3);
    EXPECT_EQ(Asks.QuestionAskers.back(), &again); // asked over the caller, not the main window
    EXPECT_EQ(Asks.Asker(), nullptr);
    // New Game asks, No the default; Yes starts over.
    Asks.ExpectQuestion("Start a new game? The 3 calls so far are cleared.", true);
    again.BtnNewGame->click();
    EXPECT_EQ(again.Draw()->CalledCount(), 0);
    for (int i = 0; i < 80; ++i)
        again.Next();
    EXPECT_TRUE(again.Draw()->Done());
    EXPECT_FALSE(again.BtnNext->isEnabled());
    // Without a voice the check box says why.
    voice.Works = false;
    CallerWindow mute(&w, Asks, &voice, current, random);
    EXPECT_FALSE(mute.ChkReadAloud->isEnabled());
    EXPECT_EQ(mute.ChkReadAloud->toolTip(), "No speech engine is installed.");
}

TEST_F(MainWindowTest, TheCheckerShowsTheCardAndTheVerdict)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    CardOptions options = w.Options();
    NumberedGame game(w.WordList.Items(), options, 777);
    QString error;
    ASSERT_TRUE(game.Plan(10, error));
    const QString code = game.Code().Text();
    EXPECT_EQ(GameHistory::Add({code, "", options, 10}), "");
    // The caller called the first row of card 4 (its saved calls: index and word a line).
    QByteArray calls = "Plumwick calls 1\n";
    for (const QString& word : game.Card(4).mid(0, 5))
        calls += QByteArray::number(w.WordList.Items().indexOf(word)) + "\t" + word.toUtf8() + "\n";
    Home.Folder.Write("Plumwick/Calls-" + code + ".txt", calls);

    CheckCardDialog check(&w, Asks, [&] { return w.CurrentGameSource(); }, code);
    check.EdtCard->setValue(4);
    check.CheckClick();
    EXPECT_EQ(check.LblVerdict->text(), "Bingo: row 1");
    EXPECT_EQ(check.LblVerdict->palette().color(QPalette::WindowText), QColor(0, 100, 0));
    EXPECT_TRUE(check.LblNote->text().isEmpty()); // the history knows the game
    EXPECT_TRUE(check.Grid->Showing());
    // Any change takes the answer away until the card is checked again.
    check.CboPattern->setCurrentIndex(3);
    EXPECT_FALSE(check.Grid->Showing());
    EXPECT_EQ(check.LblVerdict->text(), "");
    check.CheckClick();
    EXPECT_EQ(check.LblVerdict->text(), "No bingo yet: 19 words missing for the full card");
    EXPECT_EQ(check.LblVerdict->palette().color(QPalette::WindowText), QColor(140, 40, 0));
    // Every card a game can print can be asked for.
    check.EdtCard->setValue(100000);
    EXPECT_EQ(check.EdtCard->value(), 100000);
    check.EdtCard->setValue(4);
    check.CheckClick();

    struct Case {
        QString code;
        int card;
        QString message;
    };
    QString mistyped = code;
    mistyped[1] = mistyped[1] == 'A' ? 'B' : 'A';
    const Case cases[] = {
        {code, 11, "Game " + code + " has 10 cards; there is no card 11"},
        {mistyped, 1, mistyped + " is not the code of a game: a character is mistyped"},
        {"hello", 1, "hello is not a game code (eight letters and digits, as K7F2-9QXA)"},
    };
    for (const Case& c : cases) {
        check.CboCode->setEditText(c.code);
        check.EdtCard->setValue(c.card);
        Asks.ExpectError(c.message);
        check.CheckClick();
        // No earlier card stays on show, and a mistyped code does not join the list.
        EXPECT_EQ(check.LblVerdict->text(), "");
        EXPECT_FALSE(check.Grid->Showing());
        EXPECT_EQ(check.CboCode->count(), 1);
    }
    check.CboCode->setEditText(" ");
    Asks.ExpectError("Please type the game code printed on the card (as K7F2-9QXA).");
    check.CheckClick();
    // Another list: the code's check says so.
    w.WordList.RemoveAt(0);
    check.CboCode->setEditText(code);
    check.EdtCard->setValue(1);
    Asks.ExpectError("This card was printed from another word list.");
    check.CheckClick();
}

TEST_F(MainWindowTest, AGameThatCannotBeRecordedIsSaid)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    w.MnuNumberCards->setChecked(true);
    // The data folder's name taken by a file: the history can't be written.
    const QString data = Home.DataFolder();
    QDir(data).removeRecursively();
    Home.Folder.Write("Plumwick", "in the way");
    Asks.ExpectInformationMatching("^These cards belong to game \\S+\\.");
    Asks.ExpectErrorMatching("^Game \\S+ was not recorded in the game history \\(" + QRegularExpression::escape(data) +
                             "/Games\\.json: .*Check a Card will not know the game until it is recorded\\.$");
    w.MnuFilePrint->trigger();
    EXPECT_EQ(Printer.Calls.count("end"), 1); // the cards are printed
}

TEST_F(MainWindowTest, AutoCallCallsOnATimerAndPauses)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    SilentVoice voice;
    std::uint64_t r = 3;
    auto current = [&] { return w.CurrentGameSource(); };
    CallerWindow caller(&w, Asks, &voice, current, [&] { return r = r * 6364136223846793005ull + 1442695040888963407ull; });
    caller.Play(current());
    // Off until the host turns it on: time calls nothing, Space calls.
    EXPECT_FALSE(caller.BtnPause->isEnabled());
    caller.AdvanceAutoCall(120000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 0);
    caller.SpnSeconds->setValue(3);
    EXPECT_TRUE(Settings().contains("[AutoCall]\r\nSeconds=3\r\n"));
    caller.ChkAutoCall->setChecked(true);
    EXPECT_EQ(caller.LblCountdown->text(), "Next call in 3 s");
    caller.AdvanceAutoCall(2000);
    EXPECT_EQ(caller.LblCountdown->text(), "Next call in 1 s");
    caller.AdvanceAutoCall(1000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 1);
    // Space pauses and resumes; Enter still calls at once.
    QTest::keyClick(caller.Board, Qt::Key_Space);
    EXPECT_EQ(caller.LblCountdown->text(), "Paused: press Space to go on");
    EXPECT_EQ(caller.BtnPause->text(), "Resu&me");
    caller.AdvanceAutoCall(30000);
    QTest::keyClick(caller.Board, Qt::Key_Return);
    EXPECT_EQ(caller.Draw()->CalledCount(), 2);
    QTest::keyClick(caller.Board, Qt::Key_Space);
    caller.AdvanceAutoCall(3000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 3);
    // Read aloud, the next call waits for the voice to finish the last.
    caller.ChkReadAloud->setChecked(true);
    voice.Busy = true;
    caller.AdvanceAutoCall(3000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 4);
    caller.AdvanceAutoCall(20000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 4);
    EXPECT_EQ(caller.LblCountdown->text(), "Next call once this one is read");
    voice.Busy = false;
    caller.AdvanceAutoCall(200);
    caller.AdvanceAutoCall(3000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 5);
    // A phone's claim pauses it, and says so.
    Q_EMIT caller.Share->ClaimArrived("Card 4 claims Bingo");
    EXPECT_EQ(caller.LblCountdown->text(), "Paused: press Space to go on");
    caller.AdvanceAutoCall(30000);
    EXPECT_EQ(caller.Draw()->CalledCount(), 5);
    // The pause button resumes; the last call turns it off.
    caller.BtnPause->click();
    for (int i = 0; i < 75 && !caller.Draw()->Done(); ++i) {
        caller.AdvanceAutoCall(200);
        caller.AdvanceAutoCall(3000);
    }
    EXPECT_TRUE(caller.Draw()->Done());
    EXPECT_FALSE(caller.ChkAutoCall->isChecked());
    EXPECT_EQ(caller.LblCountdown->text(), "");
}

TEST_F(MainWindowTest, TheCallerOpensOnItsScreenAndTabsAsItReads)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    // The main window in the screen's top-left corner: centred over it, the caller would
    // start above and left of the screen.
    const QRect free = w.screen()->availableGeometry();
    w.move(free.topLeft());
    w.MnuCallWords->trigger();
    auto* caller = w.findChild<CallerWindow*>();
    ASSERT_NE(caller, nullptr);
    EXPECT_TRUE(free.contains(caller->frameGeometry())) << caller->frameGeometry().x() << "," << caller->frameGeometry().y();
    // Tab follows the window as it reads.
    const std::vector<QWidget*> reading{caller->CboGame, caller->ChkSkip, caller->Board, caller->BtnNext, caller->BtnCheck,
                                        caller->ChkRoom, caller->ChkShare, caller->ChkReadAloud, caller->ChkAutoCall,
                                        caller->SpnSeconds, caller->BtnPrizes, caller->BtnRecord};
    std::vector<QWidget*> chain;
    QWidget* at = caller->CboGame;
    do {
        chain.push_back(at);
        at = at->nextInFocusChain();
    } while (at != caller->CboGame && chain.size() < 500);
    std::size_t last = 0;
    for (QWidget* widget : reading) {
        const auto found = std::find(chain.begin(), chain.end(), widget);
        ASSERT_NE(found, chain.end());
        const auto index = static_cast<std::size_t>(found - chain.begin());
        EXPECT_GE(index, last) << widget->metaObject()->className() << " " << widget->accessibleName().toStdString();
        last = index;
    }
    w.MnuCallWords->trigger(); // closed with the main window
}

TEST_F(MainWindowTest, TheCallerKeepsTheKeyboardAndTheGame)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    std::uint64_t r = 7;
    auto random = [&] { return r = r * 6364136223846793005ull + 1442695040888963407ull; };
    auto current = [&] { return w.CurrentGameSource(); };
    CallerWindow caller(&w, Asks, nullptr, current, random);
    caller.Play(current());
    EXPECT_FALSE(caller.BtnNewGame->isEnabled()); // nothing to clear yet
    // Space and Enter call from the board, which has the focus when the caller opens.
    EXPECT_EQ(caller.focusWidget(), caller.Board);
    QTest::keyClick(caller.Board, Qt::Key_Space);
    QTest::keyClick(caller.Board, Qt::Key_Return);
    EXPECT_EQ(caller.Draw()->CalledCount(), 2);
    // A control the keyboard reached keeps them: Undo undoes, Next calls, the Play box opens.
    struct Step {
        QWidget* control;
        Qt::Key key;
        int calledAfter;
    };
    const Step steps[] = {{caller.BtnUndo, Qt::Key_Space, 1}, {caller.BtnUndo, Qt::Key_Return, 0},
                          {caller.BtnNext, Qt::Key_Space, 1}, {caller.BtnNext, Qt::Key_Enter, 2},
                          {caller.CboGame, Qt::Key_Space, 2}};
    for (const Step& step : steps) {
        step.control->setFocus();
        QTest::keyClick(step.control, step.key);
        QTest::qWait(200); // Enter presses a button as a click does, in a moment
        caller.CboGame->hidePopup();
        EXPECT_EQ(caller.Draw()->CalledCount(), step.calledAfter) << step.control->objectName().toStdString() << " " << step.key;
    }
    // A button clicked with the mouse gives the keyboard back to the board: Space calls.
    QTest::mouseClick(caller.BtnUndo, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(caller.focusWidget(), caller.Board);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&caller, Qt::Key_Space);
    EXPECT_EQ(caller.Draw()->CalledCount(), 4);
    EXPECT_TRUE(caller.BtnNewGame->isEnabled());
    // Backspace takes a call back from the board alone: a control the keys reached keeps
    // it, and the seconds between calls, clicked into, are typed and corrected.
    caller.ChkReadAloud->setFocus();
    QTest::keyClick(caller.ChkReadAloud, Qt::Key_Backspace);
    EXPECT_EQ(caller.Draw()->CalledCount(), 4);
    QTest::mouseClick(caller.SpnSeconds, Qt::LeftButton);
    EXPECT_EQ(caller.focusWidget(), caller.SpnSeconds);
    caller.SpnSeconds->selectAll();
    QTest::keyClicks(caller.SpnSeconds, "12");
    QTest::keyClick(caller.SpnSeconds, Qt::Key_Backspace);
    QTest::keyClicks(caller.SpnSeconds, "5");
    EXPECT_EQ(caller.SpnSeconds->value(), 15);
    EXPECT_EQ(caller.Draw()->CalledCount(), 4);
    // From the board, the take-back is kept in the game's log with its time.
    const std::size_t takenBack = caller.Log().TakenBack.size();
    caller.Board->setFocus();
    QTest::keyClick(caller.Board, Qt::Key_Backspace);
    EXPECT_EQ(caller.Draw()->CalledCount(), 3);
    ASSERT_EQ(caller.Log().TakenBack.size(), takenBack + 1);
    EXPECT_TRUE(caller.Log().TakenBack.back().At.isValid());
    // Arrows over the Play box browse its list; the game stays until one is chosen there.
    EXPECT_EQ(GameHistory::Add({"ABCD-EFGH", "", w.Options(), 4}), "");
    const QString playing = caller.Source().Key;
    QTest::keyClick(caller.CboGame, Qt::Key_Down);
    QTest::keyClick(caller.CboGame, Qt::Key_Down);
    caller.CboGame->hidePopup();
    EXPECT_EQ(caller.Source().Key, playing);
    EXPECT_EQ(caller.Draw()->CalledCount(), 3);
}

TEST_F(MainWindowTest, CallWordsWithTheCallerOpenOnlyBringsItToTheFront)
{
    TFrmMain& w = Open();
    AddNumbers(w);
    w.MnuCallWords->trigger();
    auto* caller = w.findChild<CallerWindow*>();
    ASSERT_NE(caller, nullptr);
    QTest::keyClick(caller, Qt::Key_Space);
    QTest::keyClick(caller, Qt::Key_Space);
    // Another game picked in its Play box stays picked; no question, no call lost.
    EXPECT_EQ(GameHistory::Add({"ABCD-EFGH", "", w.Options(), 4}), "");
    w.MnuCallWords->trigger();
    EXPECT_EQ(caller->Draw()->CalledCount(), 2);
    EXPECT_EQ(w.MnuCallWords->shortcut(), QKeySequence(Qt::Key_F5));
    caller->close();
}

TEST_F(MainWindowTest, TheCallerOnAFullDiskSaysSoOnceAndStaysInStep)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany({"apple", "pear", "apple", "fig"});
    auto current = [&] { return w.CurrentGameSource(); };
    std::uint64_t r = 3;
    CallerWindow caller(&w, Asks, nullptr, current, [&] { return r += 0x9E3779B97F4A7C15ull; });
    caller.Play(current());
    EXPECT_EQ(caller.LblCount->text(), "0 of 3 called"); // "apple" stands twice, is called once
    // The calls file can't be written: one message, and the call, the count and the board agree.
    const QString calls = GameHistory::CallsPath(caller.Source().Key);
    ASSERT_FALSE(calls.isEmpty());
    QDir().mkpath(calls); // a folder where the file should go
    Asks.ExpectErrorMatching("^The calls could not be saved \\(" + QRegularExpression::escape(calls) + ": ");
    caller.Next();
    caller.Next();
    EXPECT_EQ(caller.LblCount->text(), "2 of 3 called");
    EXPECT_EQ(caller.LblCall->text(), caller.Draw()->Last());
    QDir(calls).removeRecursively();
    caller.Next();
    EXPECT_TRUE(caller.Draw()->Done());
    EXPECT_TRUE(QFileInfo(calls).isFile());
    // An empty list says so.
    CallerWindow none(&w, Asks, nullptr, [] { return GameHistory::ListSource({}, CardOptions()); }, [] { return 1; });
    none.Play(GameHistory::ListSource({}, CardOptions()));
    EXPECT_EQ(none.LblCall->text(), "This list has no words to call");
}
