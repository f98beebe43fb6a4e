// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QRect>

class QWidget;

// Keeps a laid-out window on its screen whatever the font, the scale and the screen: as it is
// shown, contents that need more room than the screen's free area go into a scroll area (its
// button box stays below, in view), and its frame is cut down and moved to lie in the free
// area; once the window manager has framed it, the frame is checked again. A window whose
// contents fit is only placed. The Tab order stays as it was.
namespace ScreenFit {

// Installed once, in the window's constructor; `centreOverParent`: the first showing goes
// over the middle of the parent's window; `mayScroll`: false for a window that lays itself
// out anew (a message box), which is only placed.
void Install(QWidget* window, bool centreOverParent = true, bool mayScroll = true);
// The frame moved back onto the screen's free area and cut down to it (after a change of size).
void KeepOnScreen(QWidget* window);
// The window's frame (with what the window manager draws around it) set to `frame`.
void SetFrame(QWidget* window, const QRect& frame);
// Moves the window's contents into a scroll area where its layout needs more than `room`;
// true where it did (done once).
bool ScrollIfLarger(QWidget* window, const QSize& room);

} // namespace ScreenFit
