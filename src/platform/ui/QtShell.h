// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Shell.h"

class Prompts;

// Opens through the desktop: xdg-open where it is installed (its arguments given as they
// are, never through a shell), else Qt's desktop services. xdg-open answers only once it
// has handed the address on, so its verdict comes later: an exit status other than 0 (no
// program for the page, a broken association) is said then, in the program's error box.
class QtShell final : public Shell {
public:
    explicit QtShell(Prompts& asks) : Asks(asks) {}
    void Open(const QUrl& url) override;

private:
    Prompts& Asks;
};
