// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/OwnPatterns.h"
#include "platform/Paths.h"
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "settings/DataFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace OwnPatterns {

QString Path()
{
    return JoinPath(UserDataFolder(), QStringLiteral("Patterns.txt"));
}

std::vector<Pattern> Read(QStringList* problems)
{
    const QString path = Path();
    if (!QFileInfo::exists(path))
        return {};
    try {
        // A file of patterns is small: a large one is no file of ours.
        if (QFileInfo(path).size() > 1024 * 1024)
            throw PlatformError(QCoreApplication::translate("OwnPatterns", "the file is larger than 1 MB"));
        PatternFile file = ReadPatterns(TextFile::ReadAll(path));
        if (problems)
            *problems << file.Problems;
        return std::move(file.Patterns);
    } catch (const PlatformError& e) {
        if (problems)
            *problems << QCoreApplication::translate("OwnPatterns", "Your patterns could not be read from %1: %2").arg(path, e.Text());
        return {};
    }
}

void Write(const std::vector<Pattern>& patterns)
{
    // A file with patterns that could not be read is kept aside before it is written over,
    // so nothing in it is lost.
    QStringList problems;
    Read(&problems);
    if (!problems.isEmpty()) {
        const QString aside = JoinPath(UserDataFolder(), QStringLiteral("Patterns (not read).txt"));
        QFile::remove(aside);
        if (!QFile::copy(Path(), aside))
            throw PlatformError(QCoreApplication::translate("OwnPatterns", "%1 could not be kept aside as %2").arg(Path(), aside));
    }
    TextFile::WriteAll(Path(), WritePatterns(patterns));
}

} // namespace OwnPatterns
