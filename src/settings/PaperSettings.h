// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// The paper chosen in Page Setup, per printer, in the section "Paper" of the settings file
// (the printer's name as the key). Nothing stored: the printer's own default.
namespace PaperSettings {

QString Stored(const QString& printer);
void Store(const QString& printer, const QString& paper);

} // namespace PaperSettings
