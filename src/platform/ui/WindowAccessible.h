// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

// A top-level window that is a plain QWidget (the caller, the room display) is shown to a
// screen reader as a "filler" without a name; registered here, a class's windows are a
// window named by their title, as a dialog or a main window is.
void ExposeAsWindow(const char* className);
