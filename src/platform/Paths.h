// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// Joins a folder and a name with exactly one separator between them ("a/" and "b" give "a/b",
// as do "a" and "b"). Nothing is looked up on disk; where the program's own folders are is
// the settings' business.
QString JoinPath(const QString& folder, const QString& name);
