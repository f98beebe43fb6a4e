// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/SampleFolder.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

void SortNames(QStringList& names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

} // namespace

SampleFolderEntries ListSampleFolder(const QString& folder)
{
    SampleFolderEntries entries;
    if (folder.isEmpty())
        return entries;
    const QDir dir(folder);
    const QFileInfoList all = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : all) {
        const QString name = entry.fileName();
        if (name.startsWith(u'.'))
            continue; // hidden on this platform
        if (!name.isEmpty() && !name.contains(u'.') && entry.isDir())
            entries.Folders << name;
        if (name.size() > 4 && name.endsWith(QStringLiteral(".pwk"), Qt::CaseInsensitive))
            entries.Lists << name;
    }
    SortNames(entries.Folders);
    SortNames(entries.Lists);
    return entries;
}

QString SampleCaption(const QString& fileName)
{
    return fileName.left(fileName.size() - 4);
}

QString MenuCaption(const QString& text)
{
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

QStringList MenuCaptionsWithMnemonics(const QStringList& names)
{
    QStringList captions;
    QSet<QChar> taken;
    for (const QString& name : names) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < name.size() && at < 0; ++i)
            if (name[i].isLetterOrNumber() && !taken.contains(name[i].toLower()))
                at = i;
        if (at < 0) {
            captions << MenuCaption(name);
            continue;
        }
        taken.insert(name[at].toLower());
        captions << MenuCaption(name.left(at)) + u'&' + MenuCaption(name.mid(at));
    }
    return captions;
}
