// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"

class ProfileFile;

// Where a card's design is kept: beside its list, as "Party.design" for "Party.pwk" (an INI
// file with the section "Card Design"), so the list file itself stays a plain list of words
// that any version reads; and the default for new lists, in the section "Card Design" of
// Options.ini. A logo is named relative to the list's folder where it lies in it or below,
// so that a folder of list, design and logo travels whole.
namespace DesignFile {

inline const QString Section = QStringLiteral("Card Design");

// "Party.design" beside "Party.pwk" (any suffix of the list's replaced).
QString PathFor(const QString& listPath);

// A missing file or section gives the plain design; a colour that can't be read is none.
// `folder` is where a relative logo name starts (empty: names are kept as they are).
CardDesign Read(const ProfileFile& file, const QString& folder = {});
// Raises PlatformError when the file can't be written.
void Write(ProfileFile& file, const CardDesign& design, const QString& folder = {});

// The list's design: from its design file, the plain one where it has none.
CardDesign ForList(const QString& listPath);
// Keeps the design beside the list; a plain design removes a file it had (so that a list
// without a design is what it always was). Raises PlatformError when that fails.
void SaveForList(const QString& listPath, const CardDesign& design);

} // namespace DesignFile
