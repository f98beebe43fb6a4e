// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// Where the file dialogs start, as the other system's dialogs do: the folder of the last
// list opened or saved through them (the PDF dialog: the folder it last wrote to),
// remembered across runs in the section "Folders" of the settings file; else the
// documents folder, else home. A folder that has gone since is skipped.
//
// Remembering never fails the command it follows: a settings file that can't be written
// only means the next run starts in the documents folder.
namespace DialogFolders {

QString ListFolder();
void RememberList(const QString& filePath);

QString PdfFolder();
void RememberPdf(const QString& filePath);

// The folder cards were last exported to; else the list folder.
QString ExportFolder();
void RememberExport(const QString& folder);

// The name the PDF dialog offers: "<list name>.pdf", or "Bingo Cards.pdf" for a list not
// saved yet, in PdfFolder(); for a call list "<list name> call list.pdf" ("Call List.pdf"),
// so that it never offers to replace the cards printed before.
QString PdfSuggestion(const QString& listFile, bool callList = false);

} // namespace DialogFolders
