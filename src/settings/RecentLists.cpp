// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/RecentLists.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "settings/DataFolders.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("Recent");

QString Key(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

void Write(const QStringList& paths)
{
    try {
        ProfileFile settings(SettingsFilePath());
        QList<std::pair<QString, QString>> changed;
        for (int i = 0; i < RecentLists::MaxCount; ++i) {
            const QString value = i < paths.size() ? paths[i] : QString();
            if (settings.ReadString(Section, Key(i), QString()) != value)
                changed.append({Key(i), value});
        }
        if (!changed.isEmpty())
            settings.WriteStrings(Section, changed);
    } catch (const PlatformError&) {
        // Only the menu's memory is lost.
    }
}

} // namespace

namespace RecentLists {

QStringList Read()
{
    const ProfileFile settings(SettingsFilePath());
    QStringList paths;
    for (int i = 0; i < MaxCount; ++i) {
        const QString path = settings.ReadString(Section, Key(i), QString());
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    return paths;
}

void Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = Read();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    Write(paths.mid(0, MaxCount));
}

void Remove(const QString& path)
{
    QStringList paths = Read();
    paths.removeAll(path);
    Write(paths);
}

} // namespace RecentLists
