// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// New, Open, Save, the save question, and closing the window.
#include "app/UnitMain.h"
#include "dialogs/WordsEditorDialog.h"
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "settings/CardSettings.h"
#include "settings/DataFolders.h"
#include "settings/DesignFile.h"
#include "settings/DialogFolders.h"
#include "settings/RecentLists.h"
#include "settings/SettingsFlag.h"
#include "words/PictureEntry.h"
#include "words/WordListFormat.h"

#include <QMenu>
#include <QComboBox>
#include <QFileInfo>

FileDialogSpec TFrmMain::SaveListDialog(const QString& name)
{
    return {tr("Save Bingo Card"), tr("Plumwick File (*.pwk)|*.pwk|All Files (*.*)|*.*"), QStringLiteral(".pwk"), name,
            DialogFolders::ListFolder()};
}

namespace {

FileDialogSpec OpenDialog(const QString& lastName)
{
    return {TFrmMain::tr("Select Bingo Card"), TFrmMain::tr("Plumwick File(*.pwk)|*.pwk|All Files (*.*)|*.*"),
            QString(), lastName, DialogFolders::ListFolder()};
}

} // namespace

void TFrmMain::WriteWordList(const QString& path)
{
    Doc.Write(path);
    Announce(tr("Saved as %1").arg(QFileInfo(path).fileName()));
}

void TFrmMain::ReadWordList(const QString& path)
{
    // A file that is no word list changes nothing, so that a Save can't write over it.
    // Any other failure ends with an empty list.
    QStringList words;
    try {
        words = ListDocument::ReadWords(path);
    } catch (const NotAWordListError&) {
        throw;
    } catch (const PlatformError&) {
        EmptyList();
        throw;
    }
    EmptyList();
    Doc.Opened(path, words);
    ClearWordBox(); // the box's list was reset, which picks its first item
    LoadListPictures();
    ArrangeCard();
    Redraw();
    UseListDesign(path);
    Announce(tr("%1 opened: %2").arg(QFileInfo(path).fileName(), WordsEditorDialog::CountText(WordList.Count())));
}

void TFrmMain::ReplaceList(const QString& path, bool modifiedBefore)
{
    try {
        ReadWordList(path);
    } catch (const NotAWordListError&) {
        Doc.StillAsBefore(modifiedBefore); // a file that is no list changes nothing
        throw;
    }
}

void TFrmMain::RememberOpened(const QString& path)
{
    ListDocument::Remember(path);
    MnuFileRecent->setEnabled(true); // from its first entry on (its entries are made as it opens)
}

bool TFrmMain::SavePrompt()
{
    if (!ListModified)
        return true;
    const Prompts::Answer answer = Env.Asks.QuestionOrCancel(tr("Do you want to save current bingo card?"));
    if (answer != Prompts::Answer::Yes)
        return answer == Prompts::Answer::No;
    if (!CurrentFileName.isEmpty()) {
        WriteWordList(CurrentFileName);
        return true;
    }
    // A save made from here does not make the list belong to the chosen file; the file
    // dialog cancelled calls off what asked, as Cancel does.
    const auto path = Env.Asks.SaveFileName(SaveListDialog(SaveDlgFileName));
    if (!path)
        return false;
    SaveDlgFileName = *path;
    WriteWordList(*path);
    DialogFolders::RememberList(*path);
    return true;
}

// The list, its card and its file name emptied, and the card redrawn without words.
void TFrmMain::EmptyList()
{
    // A list of words is for cards: opening or starting one leaves the tickets.
    if (TicketsOn()) {
        Doc.ListBeforeTickets.reset(); // the list that comes now takes its place
        MnuTickets->setChecked(false);
        ShowTickets(false);
        TicketsFlag.Write(false);
    }
    Doc.Empty();
    ClearWordBox();
    CardCells.clear();
    Look.Pictures.reset();
    Redraw();
}

void TFrmMain::MnuFileNewClick()
{
    if (!SavePrompt())
        return;
    ListModified = false;
    EmptyList();
    UseDefaultDesign();
}

void TFrmMain::MnuFileOpenClick()
{
    if (!SavePrompt())
        return;
    const bool modified = ListModified;
    ListModified = false;
    const auto path = Env.Asks.OpenFileName(OpenDialog(OpenDlgFileName));
    if (!path)
        return;
    OpenDlgFileName = *path;
    ReplaceList(*path, modified);
    RememberOpened(*path);
}

void TFrmMain::MnuFileSaveClick()
{
    if (!CurrentFileName.isEmpty()) {
        WriteWordList(CurrentFileName);
        ListModified = false;
        return;
    }
    // A cancelled dialog or a failed write leaves the list marked as changed, so that
    // closing still offers to save it.
    if (const auto path = Env.Asks.SaveFileName(SaveListDialog(SaveDlgFileName)))
        SaveListAs(*path);
}

// The list written to a name chosen in the save dialog, which it then belongs to.
void TFrmMain::SaveListAs(const QString& path)
{
    SaveDlgFileName = path;
    // The list's pictures are named from its new folder from now on.
    if (Doc.SavedAs(path)) {
        ClearWordBox();
        Look.Pictures.reset();
        LoadListPictures();
        ArrangeCard();
        Redraw();
    }
    Announce(tr("Saved as %1").arg(QFileInfo(path).fileName()));
    RememberOpened(path);
}

void TFrmMain::MnuFileExitClick()
{
    close();
}

bool TFrmMain::FormCloseQuery()
{
    // The program can always be closed: a settings file that can't be written is
    // reported, and the word list is still offered for saving.
    try {
        ProfileFile settings(SettingsFilePath());
        CardSettings::WriteOptions(settings, Options());
    } catch (const PlatformError& error) {
        Env.Asks.Error(error.Text());
    }
    if (!SavePrompt())
        return false;
    ListModified = false;
    return true;
}
