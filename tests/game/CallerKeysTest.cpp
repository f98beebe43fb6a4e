// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// What a key does in the caller: the calling keys call and take back only from the board;
// a control the keyboard reached keeps its own keys (a field its typing, Backspace too).
#include "game/CallerKeys.h"

#include <gtest/gtest.h>

TEST(CallerKeys, EachKeyDoesWhatItsPlaceSays)
{
    using CallerKeys::Action;
    using CallerKeys::Focus;
    const CallerKeys::State plain, autoCall{true, false, false}, fullScreen{false, true, true};
    struct Case {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        Focus focus;
        CallerKeys::State state;
        Action action;
    };
    const Case cases[] = {
        {"Space on the board calls", Qt::Key_Space, {}, Focus::Board, plain, Action::Call},
        {"Enter on the board calls", Qt::Key_Return, {}, Focus::Board, plain, Action::Call},
        {"Space with Auto Call pauses it", Qt::Key_Space, {}, Focus::Board, autoCall, Action::PauseOrResume},
        {"Enter with Auto Call still calls", Qt::Key_Enter, {}, Focus::Board, autoCall, Action::Call},
        {"Ctrl+Space calls nothing", Qt::Key_Space, Qt::ControlModifier, Focus::Board, plain, Action::None},
        {"Space on a button is the button's", Qt::Key_Space, {}, Focus::Button, plain, Action::None},
        {"Enter on a button presses it", Qt::Key_Return, {}, Focus::Button, plain, Action::PressButton},
        {"Enter on the games opens them", Qt::Key_Return, {}, Focus::GameBox, plain, Action::OpenGames},
        {"Space in the seconds is typed", Qt::Key_Space, {}, Focus::Field, plain, Action::None},
        {"Enter in the seconds calls nothing", Qt::Key_Return, {}, Focus::Field, plain, Action::None},
        {"Backspace on the board takes back", Qt::Key_Backspace, {}, Focus::Board, plain, Action::TakeBack},
        {"Backspace in the seconds deletes a digit", Qt::Key_Backspace, {}, Focus::Field, plain, Action::None},
        {"Backspace on a button takes nothing back", Qt::Key_Backspace, {}, Focus::Button, plain, Action::None},
        {"Backspace in a list takes nothing back", Qt::Key_Backspace, {}, Focus::Other, plain, Action::None},
        {"Ctrl+Backspace takes nothing back", Qt::Key_Backspace, Qt::ControlModifier, Focus::Board, plain, Action::None},
        {"a digit is the field's", Qt::Key_5, {}, Focus::Field, plain, Action::None},
        {"F11 from anywhere", Qt::Key_F11, {}, Focus::Field, plain, Action::FullScreen},
        {"F12 without a room display", Qt::Key_F12, {}, Focus::Board, plain, Action::None},
        {"F12 with one", Qt::Key_F12, {}, Focus::Board, fullScreen, Action::RoomFullScreen},
        {"Escape in full screen", Qt::Key_Escape, {}, Focus::Button, fullScreen, Action::LeaveFullScreen},
        {"Escape in a window", Qt::Key_Escape, {}, Focus::Board, plain, Action::None},
        {"Down on the games browses them", Qt::Key_Down, {}, Focus::GameBox, plain, Action::OpenGames},
        {"Down elsewhere is the control's", Qt::Key_Down, {}, Focus::Field, plain, Action::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CallerKeys::ActionFor(c.key, c.modifiers, c.focus, c.state), c.action) << c.what;
}
