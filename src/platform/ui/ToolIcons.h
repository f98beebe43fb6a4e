// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QIcon>

// The four tool bar pictures, drawn in code so that they look the same on every desktop
// theme and need no image files.
enum class ToolIcon { New, Open, Save, Print };
QIcon MakeToolIcon(ToolIcon which);
// The program's own picture: a small bingo card, for the window, the about box and the menu entry.
QPixmap MakeProgramPicture(int side);
