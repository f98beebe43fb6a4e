// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>

#include <optional>

// A list entry that is a picture, for picture bingo. In the list file it is a line of its own
// like any word: "[[picture:animals/cat.png]] Cat", the picture's file and then its caption
// (which may be empty). A line that doesn't start so is a word, as it always was, so a list
// without pictures is byte for byte what it was and any version reads it; an older one shows
// a picture's line as its text.
// The picture's name is relative to the list's folder where it lies in it or below (so the
// folder travels whole), or a whole path. The entry keeps the name as written: a game's cards,
// which come from its list's entries, stay the same wherever the folder goes.
struct PictureEntry {
    QString Path;
    QString Caption;
};

std::optional<PictureEntry> AsPicture(const QString& entry);
QString PictureLine(const PictureEntry& picture);
// What a reader sees and hears of an entry: a word as it is; a picture's caption, or where it
// has none its file name without the suffix ("cat").
QString EntryCaption(const QString& entry);
// Each entry's caption (a list of words comes back as it is).
QStringList EntryCaptions(const QStringList& entries);
// The picture's file, found from `folder` (the list's) where its name is relative.
QString PictureFile(const PictureEntry& picture, const QString& folder);
// The entries with their pictures named from `to` instead of `from` (a list saved in another
// folder): relative where the picture lies in `to` or below, whole otherwise. Words unchanged.
QStringList Rebased(const QStringList& entries, const QString& from, const QString& to);

// The picture files a list can show: PNG, JPEG, SVG, GIF, BMP and WebP, whose names hold no "]]".
bool IsPictureFile(const QString& path);
// A folder of pictures as a list: each picture an entry named relative to the folder, its
// file name without the suffix its caption, in the order of their names.
QStringList PictureFolderEntries(const QString& folder);
