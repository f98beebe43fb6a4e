// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// Where the per-user files live: "Plumwick" in the platform's per-user data folder
// (~/.local/share/Plumwick here), holding Options.ini and the SampleLists folder.
// Each path is built anew at every use; an empty text when the data folder is unknown.
QString UserDataFolder();
QString SettingsFilePath();
// Always ends in "/".
QString SampleListsPath();

// Installation is system-wide here, so the per-user part of it happens at start: when the
// "Plumwick" folder is missing it is made, with SampleLists copied from the shipped lists;
// when only SampleLists is missing, it alone is copied (a folder that is there is the
// user's and stays as it is). Leftovers of killed writes in the folder are removed.
// Returns false when it could not.
bool InstallUserDataFolder(const QString& shippedSampleLists);

// A file or folder shipped with the program: beside the program (the build copies them
// there), else in the installed data folder, ../share/plumwick beside bin/. When neither
// exists, the one beside the program. Found from where the program is, never from a path
// fixed at build time, so that a package is the same wherever it was built.
QString ShippedDataPath(const QString& programFolder, const QString& name);

// The help page, "help.html": beside the program, else ../share/doc/plumwick as a package
// installs it, else ../share/plumwick.
QString HelpFilePath(const QString& programFolder);
