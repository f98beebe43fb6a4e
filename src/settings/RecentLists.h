// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>

// The last lists opened or saved, newest first, at most eight, kept in the section
// "Recent" of the settings file (File1 to File8). A settings file that can't be written
// only loses the menu's memory, never the command that added to it.
namespace RecentLists {

inline constexpr int MaxCount = 8;

QStringList Read();
void Add(const QString& path);
void Remove(const QString& path);

} // namespace RecentLists
