// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/PaperSettings.h"
#include "platform/ProfileFile.h"
#include "settings/DataFolders.h"

namespace {
const QString Section = QStringLiteral("Paper");
}

namespace PaperSettings {

QString Stored(const QString& printer)
{
    return printer.isEmpty() ? QString() : ProfileFile(SettingsFilePath()).ReadString(Section, printer, QString());
}

void Store(const QString& printer, const QString& paper)
{
    ProfileFile(SettingsFilePath()).WriteString(Section, printer, paper);
}

} // namespace PaperSettings
