// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Every window opens wholly on its screen's free area, its controls reachable: in the suite's
// own setting, and again (tests/e2e/low-vision.sh) on a 1366 x 768 screen at twice the scale
// with a 20 pt font under a window manager, as a low-vision host runs the program.
#include "app/CallerWindow.h"
#include "dialogs/CardDesignDialog.h"
#include "dialogs/CheckCardDialog.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/PageSetupDialog.h"
#include "dialogs/PatternEditorDialog.h"
#include "dialogs/PrizesDialog.h"
#include "app/RoomDisplay.h"
#include "dialogs/WordsEditorDialog.h"
#include "dialogs/UnitFrmAbout.h"
#include "dialogs/UnitFrmFont.h"
#include "game/NinetyBall.h"
#include "platform/ui/FormScale.h"
#include "platform/ui/QtPrompts.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QLayout>
#include <QScreen>

namespace {

// Shown and framed, the window lies on the free area, and is not smaller than what its
// layout needs (else controls would be cut off rather than scrolled to).
void ExpectOnScreen(QWidget* window, const char* name)
{
    SCOPED_TRACE(name);
    if (!window->isVisible())
        window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QRect free = window->screen()->availableGeometry();
    // The window manager frames it and it is placed again: wait for that, not for a time.
    const bool on = QTest::qWaitFor([&] { return free.contains(window->frameGeometry()); }, 5000);
    EXPECT_TRUE(on) << "frame " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
                    << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " on "
                    << free.width() << "x" << free.height() << "; window " << window->width() << "x" << window->height()
                    << ", least " << window->minimumSize().width() << "x" << window->minimumSize().height();
    if (QLayout* layout = window->layout()) {
        EXPECT_LE(layout->minimumSize().width(), window->width());
        EXPECT_LE(layout->minimumSize().height(), window->height());
    }
}

} // namespace

TEST_F(MainWindowTest, EveryWindowOpensWithinItsScreen)
{
    // The low-vision run sets the desktop's font as qt6ct would.
    if (const int points = qEnvironmentVariableIntValue("PLUMWICK_TEST_FONT_POINTS")) {
        QFont desktop = QApplication::font();
        desktop.setPointSize(points);
        QApplication::setFont(desktop);
        FormScale::Set(FormScale::ForFont(desktop));
        FormScale::UseWindowFont();
    }
    TFrmMain& main = Open();
    ExpectOnScreen(&main, "main window");

    GameSource tickets;
    tickets.Tickets = true;
    tickets.Words = NinetyBall::Numbers();
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 7; });
    caller.Play(tickets);
    ExpectOnScreen(&caller, "caller");
    caller.ChkRoom->setChecked(true);
    ASSERT_NE(caller.Room, nullptr);
    ExpectOnScreen(caller.Room, "room display");
    // Full screen for the hall, it is the screen, whole.
    caller.Room->showFullScreen();
    const QRect screen = caller.Room->screen()->geometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return caller.Room->geometry() == screen; }, 5000));
    EXPECT_LE(caller.Room->layout()->minimumSize().height(), screen.height());
    caller.Room->showNormal();

    const std::vector<Prize> prizes = PrizeRound::Usual(false);
    PrizesDialog prizesDialog(&main, Asks, false, 5, prizes);
    ExpectOnScreen(&prizesDialog, "prizes");
    PatternEditorDialog patterns(&main, Asks, 7);
    ExpectOnScreen(&patterns, "your patterns");
    CardDesignDialog design(&main, Asks, CardDesign{}, [](Surface&, int, int, const DesignedLook&) {});
    ExpectOnScreen(&design, "card design");
    CheckCardDialog check(&main, Asks, [&] { return main.CurrentGameSource(); });
    ExpectOnScreen(&check, "check a card");
    ExportDialog exporting(&main, Asks, QDir::tempPath(), 4);
    ExpectOnScreen(&exporting, "export");
    PageSetupDialog page(&main, "PDF", {"A4", "Letter"}, "A4");
    ExpectOnScreen(&page, "page setup");
    WordsEditorDialog words(&main, Asks, {"apple", "pear"});
    ExpectOnScreen(&words, "words");
    TFrmAbout about(&main, Desktop, Asks);
    ExpectOnScreen(&about, "about");
    TFrmFonts fonts(&main, Asks);
    ExpectOnScreen(&fonts, "fonts");

    // The program's own questions and file dialogs, each seen while it waits for an answer.
    QtPrompts real(&main);
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        ExpectOnScreen(box, "save dialog");
        qobject_cast<QDialog*>(box)->reject();
    });
    EXPECT_FALSE(real.SaveFileName({"Save the Game's Record", "PDF (*.pdf)", ".pdf", "Game.pdf", {}, true}));
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        ExpectOnScreen(box, "question");
        qobject_cast<QDialog*>(box)->done(QMessageBox::No);
    });
    EXPECT_FALSE(real.Question("Start a new game? The 12 calls so far are cleared.", false));
}
