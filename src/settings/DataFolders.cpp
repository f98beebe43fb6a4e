#include "settings/DataFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

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

bool InstallUserDataFolder(const QString& shippedSampleLists)
{
    const QString folder = UserDataFolder();
    if (folder.isEmpty())
        return false;
    if (QFileInfo::exists(folder))
        return true;
    // Built beside the final place and renamed into it, so a half-copied folder never
    // stands in for a complete one at the next start.
    const QString staging = folder + QStringLiteral(".installing");
    QDir(staging).removeRecursively();
    const QString samples = JoinPath(staging, QStringLiteral("SampleLists"));
    bool ok = QDir().mkpath(samples);
    if (ok && !shippedSampleLists.isEmpty() && QFileInfo(shippedSampleLists).isDir())
        ok = CopyTree(shippedSampleLists, samples);
    if (ok)
        ok = QDir().rename(staging, folder);
    if (!ok)
        QDir(staging).removeRecursively();
    return ok;
}

QString ShippedDataPath(const QString& programFolder, const QString& name)
{
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    const QStringList candidates = {
        JoinPath(folder, name),
        QDir::cleanPath(JoinPath(folder, QStringLiteral("../share/plumwick/") + name)),
        JoinPath(QStringLiteral(PLUMWICK_DATADIR), name),
        JoinPath(QStringLiteral(PLUMWICK_SOURCE_DATADIR), name),
        JoinPath(QStringLiteral(PLUMWICK_SOURCE_DOCDIR), name),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return candidate;
    return candidates.front();
}

QString HelpFilePath(const QString& programFolder)
{
    return ShippedDataPath(programFolder, QStringLiteral("help.html"));
}
