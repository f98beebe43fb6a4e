// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/DataFolders.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>

QString UserDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    return JoinPath(base, QStringLiteral("Plumwick"));
}

QString SettingsFilePath()
{
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("Options.ini"));
}

QString SampleListsPath()
{
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("SampleLists/"));
}

namespace {

bool CopyTree(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    bool ok = true;
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink())
            continue;
        const QString target = JoinPath(to, entry.fileName());
        if (entry.isDir())
            ok = CopyTree(entry.filePath(), target) && ok;
        else
            ok = QFile::copy(entry.filePath(), target) && ok;
    }
    return ok;
}

} // namespace

namespace {

// Builds `target` beside its final place and renames it into it, so a half-copied folder
// never stands in for a complete one at the next start.
bool InstallFolder(const QString& target, const std::function<bool(const QString&)>& fill)
{
    const QString staging = target + QStringLiteral(".installing");
    QDir(staging).removeRecursively();
    bool ok = QDir().mkpath(staging) && fill(staging);
    if (ok)
        ok = QDir().rename(staging, target);
    if (!ok)
        QDir(staging).removeRecursively();
    return ok;
}

} // namespace

bool InstallUserDataFolder(const QString& shippedSampleLists)
{
    const QString folder = UserDataFolder();
    if (folder.isEmpty())
        return false;
    auto copySamples = [&](const QString& samples) {
        if (shippedSampleLists.isEmpty() || !QFileInfo(shippedSampleLists).isDir())
            return true;
        return CopyTree(shippedSampleLists, samples);
    };
    if (!QFileInfo::exists(folder))
        return InstallFolder(folder, [&](const QString& staging) {
            return copySamples(JoinPath(staging, QStringLiteral("SampleLists")));
        });
    // The folder may have been made without the samples (plumwick-print run first, say):
    // they arrive whenever their folder is missing, and a folder that is there is the user's.
    TextFile::RemoveLeftovers(folder);
    const QString samples = JoinPath(folder, QStringLiteral("SampleLists"));
    if (QFileInfo::exists(samples) || QFileInfo(samples).isSymLink())
        return true;
    return InstallFolder(samples, copySamples);
}

namespace {

// The first of the places that exists, else the first place.
QString FirstThere(const QString& programFolder, const QString& name, const QStringList& installed)
{
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    QStringList candidates = {JoinPath(folder, name)};
    for (const QString& place : installed)
        candidates << QDir::cleanPath(JoinPath(folder, place + name));
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return candidate;
    return candidates.front();
}

} // namespace

QString ShippedDataPath(const QString& programFolder, const QString& name)
{
    return FirstThere(programFolder, name, {QStringLiteral("../share/plumwick/")});
}

QString HelpFilePath(const QString& programFolder)
{
    return FirstThere(programFolder, QStringLiteral("help.html"),
                      {QStringLiteral("../share/doc/plumwick/"), QStringLiteral("../share/plumwick/")});
}
