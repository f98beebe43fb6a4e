// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/ListDocument.h"
#include "platform/TextFile.h"
#include "settings/DesignFile.h"
#include "settings/DialogFolders.h"
#include "settings/RecentLists.h"
#include "words/PictureEntry.h"
#include "words/WordListFormat.h"

#include <QFileInfo>

QStringList ListDocument::ReadWords(const QString& path)
{
    return ReadWordListFile(path);
}

void ListDocument::Opened(const QString& path, const QStringList& words)
{
    WordList.Clear();
    WordList.InsertMany(words);
    PictureBase = QFileInfo(path).absolutePath();
    CurrentFileName = path;
}

void ListDocument::Write(const QString& path) const
{
    TextFile::WriteAll(path, FormatWordList(Rebased(WordList.Items(), PictureBase, QFileInfo(path).absolutePath())));
    DesignFile::SaveForList(path, Look.Design);
}

QString ListDocument::UseDesign(const CardDesign& design)
{
    QString problem;
    std::shared_ptr<const PictureShelf> pictures = Look.Pictures; // the list's, not the design's
    Look = ReadLook(design, &problem);
    Look.Pictures = std::move(pictures);
    return problem;
}

QString ListDocument::UseListDesign(const QString& path)
{
    return UseDesign(DesignFile::ForList(path));
}

bool ListDocument::SavedAs(const QString& path)
{
    Write(path);
    bool renamed = false;
    const QString folder = QFileInfo(path).absolutePath();
    if (folder != PictureBase) {
        const QStringList rebased = Rebased(WordList.Items(), PictureBase, folder);
        PictureBase = folder;
        if (rebased != WordList.Items()) {
            WordList.Clear();
            WordList.InsertMany(rebased);
            renamed = true;
        }
    }
    CurrentFileName = path;
    ListModified = false;
    return renamed;
}

void ListDocument::Remember(const QString& path)
{
    DialogFolders::RememberList(path);
    RecentLists::Add(path);
}

void ListDocument::Empty()
{
    WordList.Clear();
    PictureBase.clear();
    CurrentFileName.clear();
}

void ListDocument::KeepForTickets()
{
    ListBeforeTickets = KeptList{WordList.Items(), CurrentFileName, ListModified};
    ListModified = false;
}

void ListDocument::BackFromTickets()
{
    const KeptList kept = ListBeforeTickets.value_or(KeptList{});
    ListBeforeTickets.reset();
    WordList.Clear();
    WordList.InsertMany(kept.Words);
    CurrentFileName = kept.File;
    ListModified = kept.Modified;
}
