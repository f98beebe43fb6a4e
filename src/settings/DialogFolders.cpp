// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/DialogFolders.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/Paths.h"
#include "settings/DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QCoreApplication>

namespace {

const QString Section = QStringLiteral("Folders");

QString DefaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString Stored(const QString& key)
{
    const QString folder = ProfileFile(SettingsFilePath()).ReadString(Section, key, QString());
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolder(const QString& key, const QString& folder)
{
    try {
        ProfileFile settings(SettingsFilePath());
        if (settings.ReadString(Section, key, QString()) != folder)
            settings.WriteString(Section, key, folder);
    } catch (const PlatformError&) {
        // Only the next run's starting folder is lost.
    }
}

void Remember(const QString& key, const QString& filePath)
{
    RememberFolder(key, QFileInfo(filePath).absolutePath());
}

} // namespace

namespace DialogFolders {

QString ListFolder()
{
    const QString folder = Stored(QStringLiteral("Lists"));
    return folder.isEmpty() ? DefaultFolder() : folder;
}

void RememberList(const QString& filePath)
{
    Remember(QStringLiteral("Lists"), filePath);
}

QString PdfFolder()
{
    const QString folder = Stored(QStringLiteral("Pdf"));
    return folder.isEmpty() ? ListFolder() : folder;
}

void RememberPdf(const QString& filePath)
{
    Remember(QStringLiteral("Pdf"), filePath);
}

QString ExportFolder()
{
    const QString folder = Stored(QStringLiteral("Export"));
    return folder.isEmpty() ? ListFolder() : folder;
}

void RememberExport(const QString& folder)
{
    RememberFolder(QStringLiteral("Export"), QFileInfo(folder).absoluteFilePath());
}

QString PdfSuggestion(const QString& listFile, bool callList)
{
    const QString list = QFileInfo(listFile).completeBaseName();
    const QString name = callList ? (listFile.isEmpty() ? QCoreApplication::translate("DialogFolders", "Call List")
                                                        : QCoreApplication::translate("DialogFolders", "%1 call list").arg(list))
                         : listFile.isEmpty() ? QCoreApplication::translate("DialogFolders", "Bingo Cards")
                                              : list;
    return JoinPath(PdfFolder(), name + QStringLiteral(".pdf"));
}

} // namespace DialogFolders
