// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <Qt>

// What a key does in the caller, wherever the focus is in it. The calling keys (Space, Enter
// and Backspace) call and take back only from the board or the window itself; from a control
// the keyboard reached they do what that control does: a box or a button is ticked or
// pressed, a field is typed into. The window's own keys (F11, F12, Escape in full screen)
// work from anywhere. Only the rule: the window does what it says.
namespace CallerKeys {

// Where the key was pressed.
enum class Focus {
    Board,   // the board of calls, or the window itself
    Button,  // a push button
    GameBox, // the box of games to play
    Field,   // a box that is typed into (the seconds between calls)
    Other,   // a check box, a list: the control's own keys
};

enum class Action {
    None,          // not the caller's: the focused control has it
    Call,          // the next call
    PauseOrResume, // Auto Call paused or resumed
    TakeBack,      // the last call taken back
    PressButton,   // the focused button pressed, as Enter presses it
    OpenGames,     // the games' list opened (browsing never switches games)
    FullScreen,    // full screen on or off
    RoomFullScreen,
    LeaveFullScreen,
};

struct State {
    bool AutoCallOn = false;
    bool FullScreen = false;
    bool HasRoom = false; // the room display has been made
};

Action ActionFor(int key, Qt::KeyboardModifiers modifiers, Focus focus, const State& state);

} // namespace CallerKeys
