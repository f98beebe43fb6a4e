// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/DesignFile.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DesignFile {

namespace {

struct ColourKey {
    const char* Key;
    QColor CardDesign::*Colour;
};
const ColourKey ColourKeys[] = {
    {"Grid", &CardDesign::Grid},           {"Band", &CardDesign::Band}, {"BandText", &CardDesign::BandText},
    {"Text", &CardDesign::Text},           {"FreeSpace", &CardDesign::FreeSpace},
    {"Tint", &CardDesign::Tint},
};

} // namespace

QString PathFor(const QString& listPath)
{
    const QFileInfo list(listPath);
    return list.dir().filePath(list.completeBaseName() + QStringLiteral(".design"));
}

CardDesign Read(const ProfileFile& file, const QString& folder)
{
    CardDesign design;
    design.Title = file.ReadString(Section, QStringLiteral("Title"), {});
    design.Footer = file.ReadString(Section, QStringLiteral("Footer"), {});
    for (const ColourKey& key : ColourKeys)
        design.*key.Colour = ColourFromName(file.ReadString(Section, QString::fromLatin1(key.Key), {}));
    const QString logo = file.ReadString(Section, QStringLiteral("Logo"), {});
    if (!logo.isEmpty())
        design.Logo = folder.isEmpty() || QDir::isAbsolutePath(logo) ? logo : QDir::cleanPath(QDir(folder).filePath(logo));
    return design;
}

void Write(ProfileFile& file, const CardDesign& design, const QString& folder)
{
    QList<std::pair<QString, QString>> keys{{QStringLiteral("Title"), design.Title}, {QStringLiteral("Footer"), design.Footer}};
    for (const ColourKey& key : ColourKeys)
        keys.append({QString::fromLatin1(key.Key), ColourName(design.*key.Colour)});
    QString logo = design.Logo;
    if (!logo.isEmpty() && !folder.isEmpty()) {
        const QString relative = QDir(folder).relativeFilePath(logo);
        if (!relative.startsWith(QStringLiteral("..")) && !QDir::isAbsolutePath(relative))
            logo = relative;
    }
    keys.append({QStringLiteral("Logo"), logo});
    file.WriteStrings(Section, keys); // one whole file: never one design's title beside another's footer
}

CardDesign ForList(const QString& listPath)
{
    if (listPath.isEmpty())
        return {};
    return Read(ProfileFile(PathFor(listPath)), QFileInfo(listPath).absolutePath());
}

void SaveForList(const QString& listPath, const CardDesign& design)
{
    const QString path = PathFor(listPath);
    if (design.IsPlain()) {
        QFile file(path);
        if (file.exists() && !file.remove())
            throw PlatformError(file.errorString(), path);
        return;
    }
    ProfileFile file(path);
    Write(file, design, QFileInfo(listPath).absolutePath());
}

} // namespace DesignFile
