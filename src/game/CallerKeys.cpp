// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CallerKeys.h"

namespace CallerKeys {

Action ActionFor(int key, Qt::KeyboardModifiers modifiers, Focus focus, const State& state)
{
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
            return Action::None;
        if (focus == Focus::Board)
            // With Auto Call on, Space pauses and resumes it; Enter still calls at once.
            return key == Qt::Key_Space && state.AutoCallOn ? Action::PauseOrResume : Action::Call;
        // Space is the control's own (tick, press, open); Enter presses a button or opens
        // the games, and never calls.
        if (key == Qt::Key_Space)
            return Action::None;
        return focus == Focus::Button ? Action::PressButton : focus == Focus::GameBox ? Action::OpenGames : Action::None;
    case Qt::Key_Backspace:
        // In a field it deletes what was typed; a call is taken back only from the board.
        return focus == Focus::Board && !(modifiers & (Qt::ControlModifier | Qt::AltModifier)) ? Action::TakeBack
                                                                                                : Action::None;
    case Qt::Key_F11:
        return Action::FullScreen;
    case Qt::Key_F12: // the room display's, which never has the keys
        return state.HasRoom ? Action::RoomFullScreen : Action::None;
    case Qt::Key_Escape:
        return state.FullScreen ? Action::LeaveFullScreen : Action::None;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // The games are browsed in the box's list, and only the one chosen there is played.
        return focus == Focus::GameBox ? Action::OpenGames : Action::None;
    default:
        return Action::None;
    }
}

} // namespace CallerKeys
