// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>

// One level of the sample lists folder as the Samples menu shows it, leaving out the names
// that begin with "." (hidden on this platform): the sub-folders
// (those without a "." anywhere in the name), then the list files matching "*.pwk" in any
// letter case. Each group is in case-insensitive alphabetical order, the order people
// know from the other system's listings (this platform's listing order is arbitrary).
struct SampleFolderEntries {
    QStringList Folders; // names
    QStringList Lists;   // file names, ".pwk" included
};
SampleFolderEntries ListSampleFolder(const QString& folder);

// A list's menu caption: its file name without the last four characters (".pwk").
QString SampleCaption(const QString& fileName);

// A name shown literally as a menu entry: an "&" is a character, not a shortcut mark.
QString MenuCaption(const QString& text);
// Menu captions for the entries of one menu, each with a mnemonic where its name allows:
// the first letter or digit no earlier entry took ("Animals" "&Animals", "Apples" "A&pples").
QStringList MenuCaptionsWithMnemonics(const QStringList& names);
