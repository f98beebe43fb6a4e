// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/CardSettings.h"
#include "platform/ProfileFile.h"

namespace CardSettings {

CardFont ReadFont(const ProfileFile& file)
{
    CardFont font;
    font.Name = file.ReadString(Section, QStringLiteral("FountName"), QStringLiteral("Arial"));
    font.Size = file.ReadInteger(Section, QStringLiteral("FontSize"), 20);
    return font;
}

CardOptions ReadOptions(const ProfileFile& file)
{
    CardOptions o;
    o.FreeSpace = file.ReadBool(Section, QStringLiteral("ChkFreeSpace"), true);
    o.FreeSpaceText = file.ReadString(Section, QStringLiteral("TxtFreeSpace"), QStringLiteral("Free Space"));
    o.Heading = file.ReadBool(Section, QStringLiteral("ChkHeading"), true);
    o.HeadingText = file.ReadString(Section, QStringLiteral("TxtHeading"), QStringLiteral("BINGO"));
    o.SizeIndex = file.ReadInteger(Section, QStringLiteral("CardSize"), 1);
    o.WordWrap = file.ReadBool(Section, QStringLiteral("ChkWordWrap"), true);
    return o;
}

void WriteOptions(ProfileFile& file, const CardOptions& o)
{
    file.WriteInteger(Section, QStringLiteral("CardSize"), o.SizeIndex);
    file.WriteBool(Section, QStringLiteral("ChkFreeSpace"), o.FreeSpace);
    file.WriteString(Section, QStringLiteral("TxtFreeSpace"), o.FreeSpaceText);
    file.WriteBool(Section, QStringLiteral("ChkHeading"), o.Heading);
    file.WriteString(Section, QStringLiteral("TxtHeading"), o.HeadingText);
    file.WriteBool(Section, QStringLiteral("ChkWordWrap"), o.WordWrap);
}

} // namespace CardSettings
