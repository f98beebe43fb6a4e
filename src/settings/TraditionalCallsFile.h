// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <map>

// Where the caller reads the traditional calls: the host's own copy among the samples in the
// per-user data folder, which they may edit, else the copy shipped with the program.
QString TraditionalCallsPath();
// Its calls; none where it can't be read (each number is then called plainly).
std::map<int, QString> ReadTraditionalCalls();
