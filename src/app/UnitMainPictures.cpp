// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Picture bingo: a folder of pictures opened as a list, pictures added one by one or dropped,
// and the pictures of the list read for the sample card and the jobs.
#include "app/UnitMain.h"
#include "dialogs/WordsEditorDialog.h"
#include "platform/Prompts.h"
#include "settings/DialogFolders.h"
#include "words/PictureEntry.h"

#include <QDir>
#include <QFileInfo>

void TFrmMain::LoadListPictures()
{
    // Pictures read before stay on the shelf; only new ones are read.
    QStringList problems;
    Look.Pictures = ReadShelf(WordList.Items(), PictureBase, &problems, Look.Pictures.get());
    if (!problems.isEmpty())
        Env.Asks.Error(tr("These pictures can't be shown; their cells show their captions:\n%1").arg(problems.join(u'\n')));
}

void TFrmMain::MnuOpenPictureFolderClick()
{
    if (!SavePrompt())
        return;
    const std::optional<QString> folder = Env.Asks.FolderName(tr("Open a Folder of Pictures"), DialogFolders::ListFolder());
    if (!folder)
        return;
    const QStringList entries = PictureFolderEntries(*folder);
    if (entries.isEmpty()) {
        Env.Asks.Information(tr("There are no pictures in %1 (PNG, JPEG, SVG, GIF, BMP or WebP).").arg(*folder));
        return;
    }
    ListModified = false;
    EmptyList();
    PictureBase = QDir::cleanPath(*folder);
    // Not yet a list file: saving asks where, and keeps the pictures named from there.
    TakeEntries(entries);
    Announce(tr("%1 opened: %2").arg(QFileInfo(*folder).fileName(), WordsEditorDialog::CountText(WordList.Count())));
}

void TFrmMain::MnuAddPictureClick()
{
    const FileDialogSpec request{tr("Add a Picture"),
                              tr("Pictures (*.png *.jpg *.jpeg *.svg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.svg;*.gif;*.bmp;*.webp|"
                                 "All Files (*.*)|*.*"),
                              QString(), QString(), PictureBase.isEmpty() ? DialogFolders::ListFolder() : PictureBase};
    if (const std::optional<QString> path = Env.Asks.OpenFileName(request))
        AddPictures({*path});
}

void TFrmMain::AddPictures(const QStringList& files)
{
    QStringList entries;
    for (const QString& file : files) {
        if (!IsPictureFile(file))
            continue;
        const QString whole = QFileInfo(file).absoluteFilePath();
        entries << Rebased({PictureLine({whole, QFileInfo(file).completeBaseName()})}, QString(), PictureBase);
    }
    if (entries.isEmpty())
        return;
    if (TicketsOn())
        MnuTickets->trigger(); // pictures are for cards
    TakeEntries(entries);
    Announce(tr("%1 added: %2").arg(EntryCaption(entries.constLast()), WordsEditorDialog::CountText(WordList.Count())));
}

void TFrmMain::TakeEntries(const QStringList& entries)
{
    WordList.InsertMany(entries);
    ClearWordBox();
    LoadListPictures();
    ArrangeCard();
    Redraw();
    ListModified = true;
}
