// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include "platform/PlatformError.h"

#include <QString>
#include <QStringList>

// The .pwk word-list file: one word per line, CR LF after every line, no header.
//
// Reading: a line ends at LF or CR LF; a CR not followed by LF is dropped; a Ctrl+Z at
// the start of a line ends the file, one inside a line ends that line's text; each line is
// trimmed of bytes 0 to 32 and empty lines are skipped; a UTF-8 byte-order mark at the start
// is dropped; a file with a UTF-16 mark is read as UTF-16. The words come back in file order.
// Writing: UTF-8, each word as it stands (blanks kept) followed by CR LF.
QStringList ParseWordList(const QByteArray& bytes);
QByteArray FormatWordList(const QStringList& words);

// A list file from disk. A file that is no text at all (see IsBinaryFile) is refused with
// "<file name> is not a word list", so that saving it back can't destroy it.
// Other failures of the file raise PlatformError with the platform's message.
QStringList ReadWordListFile(const QString& path);

class NotAWordListError : public PlatformError {
public:
    explicit NotAWordListError(const QString& path);
};
