// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

// How many of the program's arguments (its name included) come before a "--": the ones Qt
// may read as its own options. After "--" nothing is an option, not even to Qt, so a list
// named "-reverse" opens instead of turning the window around.
inline int ArgumentsForQt(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-' && argv[i][1] == '-' && argv[i][2] == '\0')
            return i;
    return argc;
}
