// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QUrl>

// Hands a file or a web address to the desktop's associated program. Never a command line.
// Where no program can open it, raises PlatformError saying so, with the address, so that
// the user sees why nothing happened.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Open(const QUrl& url) = 0;
};

QString CouldNotOpenMessage(const QUrl& url);
