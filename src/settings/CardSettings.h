// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardOptions.h"
#include <QString>

class ProfileFile;

// The keys of section "Options" and their defaults. The font face's key is spelled
// "FountName", as files in the field have it.
namespace CardSettings {

inline const QString Section = QStringLiteral("Options");

struct CardFont {
    QString Name = QStringLiteral("Arial");
    int Size = 20;
};

CardFont ReadFont(const ProfileFile& file);
// The six card options, with the defaults of a first run (free space and heading on).
CardOptions ReadOptions(const ProfileFile& file);
// Written in this order: CardSize, ChkFreeSpace, TxtFreeSpace, ChkHeading, TxtHeading,
// ChkWordWrap. A failed write raises and the later keys are not written.
void WriteOptions(ProfileFile& file, const CardOptions& options);

} // namespace CardSettings
