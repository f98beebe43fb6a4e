// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The program's own command line: `plumwick [LIST.pwk]`, `--help`, `--version`. Read before
// the application object exists, so that --help and --version need no display.
struct StartupOptions {
    QString ListFile; // empty: start with an empty list
    bool Help = false;
    bool Version = false;
};

// The arguments without the program name. A bad one gives the one-line message in `error`.
std::optional<StartupOptions> ParseStartupOptions(const QStringList& arguments, QString& error);
QString StartupUsage();
