// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "output/CardLook.h"
#include "widgets/WordListModel.h"

#include <QString>
#include <QStringList>
#include <optional>

// The open list as a document, apart from the window that shows it: its words, the file it
// belongs to, whether it changed since it was read or saved, the folder its pictures are
// named from, and the list kept aside while 90-ball tickets are on. What a file read, a
// save, a save under another name, a file that is no list and a return from tickets leave
// is decided here; the window shows the list (the word box, the card), asks the questions
// and says what happened. It holds no widget: the word list is the item model the word box
// shows.
class ListDocument {
public:
    WordListModel WordList;
    bool ListModified = false;
    QString CurrentFileName;
    // The folder a picture entry's relative name starts from: the list file's, or the folder
    // of pictures opened (empty: a new list, whose pictures are named whole).
    QString PictureBase;
    // The list's design, with its logo read: kept beside the list file, the settings' default
    // for a new list; and the pictures of a picture list's entries.
    DesignedLook Look;

    // The words of a list file. A file that is no word list (NotAWordListError) changes
    // nothing; any other failure raises PlatformError, the document as it was.
    static QStringList ReadWords(const QString& path);
    // The list is now the file's: its words, its name, its pictures' folder; unchanged.
    void Opened(const QString& path, const QStringList& words);
    // Writes the words (pictures named from the file's folder, so the folder travels whole)
    // and the design beside them. The document is unchanged by it: a save made for a
    // question does not make the list belong to that file.
    void Write(const QString& path) const;
    // Written under a name chosen by Save As: the list belongs to that file now, saved, its
    // pictures named from its folder. True where that renamed any of its words.
    bool SavedAs(const QString& path);
    // The design used from now on (the list's pictures stay): what could not be used of it
    // (a logo that can't be read), in words; empty where all of it is.
    QString UseDesign(const CardDesign& design);
    // The design kept beside a list file (or the settings' default where there is none).
    QString UseListDesign(const QString& path);
    // A file that was no list, read while `modifiedBefore`: nothing changed, as it was.
    void StillAsBefore(bool modifiedBefore) { ListModified = modifiedBefore; }
    // No words, no file, no pictures' folder.
    void Empty();
    // A list file opened or saved: the next file dialog starts in its folder, and it heads the
    // recent lists.
    static void Remember(const QString& path);

    // The list kept aside while tickets are on, to come back when cards do.
    struct KeptList {
        QStringList Words;
        QString File;
        bool Modified = false;
    };
    std::optional<KeptList> ListBeforeTickets;
    // Tickets on: the list put aside (the numbers 1 to 90 take its place, unchanged).
    void KeepForTickets();
    // Cards back: the list put aside, as it was (none where the program started with tickets).
    void BackFromTickets();
};
