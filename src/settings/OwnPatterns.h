// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Patterns.h"

#include <QString>
#include <vector>

// The patterns the host drew, kept as Patterns.txt in the per-user data folder (the form
// ReadPatterns takes), written whole through a temporary file.
namespace OwnPatterns {

QString Path();
// The host's patterns; a file missing is none. `problems` gets what could not be read, in
// words (a file that can't be read, a block left out), for the window to say.
std::vector<Pattern> Read(QStringList* problems = nullptr);
// Raises PlatformError when the file can't be written. A file with patterns that could not
// be read is first copied aside as "Patterns (not read).txt".
void Write(const std::vector<Pattern>& patterns);

} // namespace OwnPatterns
