// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/SettingsFlag.h"
#include "platform/ProfileFile.h"
#include "settings/DataFolders.h"

bool SettingsFlag::Read() const
{
    return ProfileFile(SettingsFilePath()).ReadBool(Section, Key, false);
}

void SettingsFlag::Write(bool on) const
{
    ProfileFile(SettingsFilePath()).WriteBool(Section, Key, on);
}

int SettingsNumber::Read() const
{
    return ProfileFile(SettingsFilePath()).ReadInteger(Section, Key, Default);
}

void SettingsNumber::Write(int value) const
{
    ProfileFile(SettingsFilePath()).WriteInteger(Section, Key, value);
}
