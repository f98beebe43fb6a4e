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
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    file.WriteStrings(Section, {{QStringLiteral("CardSize"), QString::number(o.SizeIndex)},
                                {QStringLiteral("ChkFreeSpace"), flag(o.FreeSpace)},
                                {QStringLiteral("TxtFreeSpace"), o.FreeSpaceText},
                                {QStringLiteral("ChkHeading"), flag(o.Heading)},
                                {QStringLiteral("TxtHeading"), o.HeadingText},
                                {QStringLiteral("ChkWordWrap"), flag(o.WordWrap)}});
}

} // namespace CardSettings
