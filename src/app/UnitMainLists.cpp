// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Lists in and out as a desktop user expects: a file named on the command line or dropped
// on the window, many words pasted at once, Save As, the recent lists, and the whole list
// edited as text. None of it changes what the form's own commands do.
#include "app/UnitMain.h"
#include "words/PictureEntry.h"
#include "platform/MissingGlyphs.h"
#include "dialogs/WordsEditorDialog.h"
#include "output/CardPrinting.h"
#include "platform/Prompts.h"
#include "settings/DialogFolders.h"
#include "settings/RecentLists.h"
#include "settings/SampleFolder.h"
#include "words/WordLines.h"
#include "words/WordListFormat.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSet>

namespace {

// The picture files dropped, and the pictures of a folder dropped.
QStringList DroppedPictures(const QList<QUrl>& urls)
{
    QStringList files;
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            continue;
        if (QFileInfo(path).isDir()) {
            for (const QString& entry : PictureFolderEntries(path))
                files << QDir(path).filePath(AsPicture(entry)->Path);
        } else if (IsPictureFile(path)) {
            files << path;
        }
    }
    return files;
}

// The first local file of a drop that is a list (.pwk) or plain text (.txt).
QString DroppedList(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (!path.isEmpty() && (suffix == QStringLiteral("pwk") || suffix == QStringLiteral("txt")))
            return path;
    }
    return {};
}

} // namespace

void TFrmMain::OpenListFile(const QString& path)
{
    const bool modified = ListModified;
    ListModified = false;
    ReplaceList(path, modified);
    RememberOpened(path);
}

void TFrmMain::MnuFileSaveAsClick()
{
    if (const auto path = Env.Asks.SaveFileName(SaveListDialog(CurrentFileName.isEmpty() ? SaveDlgFileName : CurrentFileName)))
        SaveListAs(*path);
}

void TFrmMain::BuildRecentMenu()
{
    MnuFileRecent->clear();
    const QStringList paths = RecentLists::Read();
    int number = 0;
    for (const QString& path : paths) {
        // "&1 animals.pwk (/home/ann/Lists)": numbered for the keyboard, the name first.
        const QFileInfo file(path);
        QAction* entry = MnuFileRecent->addAction(
            QStringLiteral("&%1 %2 (%3)").arg(++number).arg(MenuCaption(file.fileName()), MenuCaption(file.absolutePath())));
        connect(entry, &QAction::triggered, this, [this, path] { Guard([this, path] { OpenRecentList(path); }); });
    }
    MnuFileRecent->setEnabled(!paths.isEmpty());
}

void TFrmMain::OpenRecentList(const QString& path)
{
    if (!SavePrompt())
        return;
    if (!QFileInfo(path).isFile()) {
        RecentLists::Remove(path);
        BuildRecentMenu();
        Env.Asks.Information(tr("The list %1 no longer exists. It has been removed from the recent lists.")
                                 .arg(path));
        return;
    }
    OpenListFile(path);
}

void TFrmMain::AddManyWords(const QString& text)
{
    QStringList words = SplitWordLines(text);
    ClearWordBox();
    if (words.isEmpty())
        return;
    const QSet<QString> known(WordList.Items().cbegin(), WordList.Items().cend());
    qsizetype again = 0;
    for (const QString& word : words)
        again += known.contains(word) ? 1 : 0;
    if (again > 0 &&
        !Env.Asks.Question(again == 1 ? tr("1 of these words is already in the list. Add it again?")
                                      : tr("%1 of these words are already in the list. Add them again?").arg(again),
                           false)) {
        words.removeIf([&](const QString& word) { return known.contains(word); });
        if (words.isEmpty())
            return;
    }
    WordList.InsertMany(words);
    ClearWordBox();
    ArrangeCard();
    Redraw();
    ListModified = true;
    Announce(tr("%1 added: %2").arg(WordsEditorDialog::CountText(words.size()),
                                                 WordsEditorDialog::CountText(WordList.Count())));
}

void TFrmMain::MnuFileEditWordsClick()
{
    WordsEditorDialog dialog(this, Env.Asks, WordList.Items());
    const QString before = dialog.Text();
    if (dialog.exec() != QDialog::Accepted || dialog.Text() == before)
        return;
    ::WordList edited;
    edited.InsertMany(SplitWordLines(dialog.Text()));
    if (edited.Items() == WordList.Items())
        return; // only lines moved or blank lines added: the list is the same
    WordList.Clear();
    WordList.InsertMany(edited.Items());
    ClearWordBox();
    ArrangeCard();
    Redraw();
    ListModified = true;
}

void TFrmMain::DropFiles(const QList<QUrl>& urls)
{
    // A list among the files opens; otherwise the pictures dropped join the list.
    const QString path = DroppedList(urls);
    if (path.isEmpty()) {
        AddPictures(DroppedPictures(urls));
        return;
    }
    if (!SavePrompt())
        return;
    OpenListFile(path);
}

void TFrmMain::UpdateWordCount()
{
    if (TicketsOn()) {
        LblWordCount->setText(tr("The numbers 1 to 90, six tickets a strip"));
        return;
    }
    const auto count = WordList.Count();
    const int needed = WordsNeeded(Options());
    QString text = WordsEditorDialog::CountText(count);
    if (count < needed) {
        const int side = CardSide(CboCardSize->currentIndex());
        text += tr(": a %1 x %1 card needs %2").arg(side).arg(needed);
    }
    // The words on the sample card that show as boxes (the whole list is checked at print).
    const QStringList boxes = WordsWithMissingGlyphs(CardCells.mid(0, needed), CardFontName);
    if (!boxes.isEmpty())
        text += boxes.size() == 1 ? tr(" ⚠ 1 word can't be drawn")
                                  : tr(" ⚠ %1 words can't be drawn").arg(boxes.size());
    LblWordCount->setText(text);
}

bool TFrmMain::AcceptsDrop(const QMimeData* data)
{
    return data->hasUrls() ? !DroppedList(data->urls()).isEmpty() || !DroppedPictures(data->urls()).isEmpty()
                           : data->hasText();
}

void TFrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (AcceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void TFrmMain::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    event->acceptProposedAction();
    if (data->hasUrls())
        Guard([&] { DropFiles(data->urls()); });
    else if (data->hasText())
        Guard([&] { AddManyWords(data->text()); });
}
