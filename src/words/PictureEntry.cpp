// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "words/PictureEntry.h"
#include "platform/Picture.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString Opening = QStringLiteral("[[picture:");
const QString Closing = QStringLiteral("]]");

} // namespace

std::optional<PictureEntry> AsPicture(const QString& entry)
{
    if (!entry.startsWith(Opening))
        return std::nullopt;
    qsizetype end = entry.indexOf(Closing, Opening.size());
    if (end < 0)
        return std::nullopt;
    // The name ends at the last two of a run of brackets, so "[[picture:a]]]" names "a]" and
    // a name ending in "]" is read back as it was written.
    while (end + Closing.size() < entry.size() && entry[end + Closing.size()] == u']')
        ++end;
    const QString path = entry.mid(Opening.size(), end - Opening.size()).trimmed();
    if (path.isEmpty())
        return std::nullopt;
    return PictureEntry{path, entry.mid(end + Closing.size()).trimmed()};
}

QString PictureLine(const PictureEntry& picture)
{
    // A name is read with the spaces around it dropped. One that starts with a space is
    // written from "./"; one that ends with a space can only be a folder's, as in "a /."
    // cleaned to "a ", and is written with its "/".
    QString name = picture.Path;
    if (!name.isEmpty() && name.front().isSpace())
        name.prepend(QStringLiteral("./"));
    if (!name.isEmpty() && name.back().isSpace())
        name += u'/';
    QString line = Opening + name + Closing;
    if (!picture.Caption.isEmpty())
        line += u' ' + picture.Caption;
    return line;
}

QString EntryCaption(const QString& entry)
{
    const std::optional<PictureEntry> picture = AsPicture(entry);
    if (!picture)
        return entry;
    return picture->Caption.isEmpty() ? QFileInfo(picture->Path).completeBaseName() : picture->Caption;
}

QStringList EntryCaptions(const QStringList& entries)
{
    QStringList captions;
    captions.reserve(entries.size());
    for (const QString& entry : entries)
        captions << EntryCaption(entry);
    return captions;
}

QString PictureFile(const PictureEntry& picture, const QString& folder)
{
    if (folder.isEmpty())
        return picture.Path;
    return QDir::cleanPath(QDir(folder).filePath(picture.Path));
}

QStringList Rebased(const QStringList& entries, const QString& from, const QString& to)
{
    QStringList rebased;
    rebased.reserve(entries.size());
    for (const QString& entry : entries) {
        std::optional<PictureEntry> picture = AsPicture(entry);
        if (!picture) {
            rebased << entry;
            continue;
        }
        const QString file = PictureFile(*picture, from);
        const QString relative = QDir(to).relativeFilePath(file);
        picture->Path = relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative) ? file : relative;
        rebased << PictureLine(*picture);
    }
    return rebased;
}

bool IsPictureFile(const QString& path)
{
    const QFileInfo file(path);
    // "]]" would end the name in the list's line.
    return PictureKinds().contains(file.suffix().toLower()) && !file.fileName().contains(Closing);
}

QStringList PictureFolderEntries(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Readable))
        if (IsPictureFile(name))
            names << name;
    // "2.png" before "10.png": runs of digits compared as numbers, the rest ignoring case.
    const auto key = [](const QString& name) {
        QString padded;
        for (qsizetype i = 0; i < name.size();) {
            if (!name[i].isDigit()) {
                padded += name[i++].toCaseFolded();
                continue;
            }
            qsizetype end = i;
            while (end < name.size() && name[end].isDigit())
                ++end;
            padded += name.mid(i, end - i).rightJustified(20, u'0');
            i = end;
        }
        return padded;
    };
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return key(a) < key(b); });
    QStringList entries;
    for (const QString& name : names)
        entries << PictureLine({name, QFileInfo(name).completeBaseName()});
    return entries;
}
