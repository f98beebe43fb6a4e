#pragma once
#include <QByteArray>
#include <QStringList>

// The .pwk word-list file: one word per line, CR LF after every line, no header.
//
// Reading: a line ends at LF or CR LF; a CR not followed by LF is dropped; a Ctrl+Z at
// the start of a line ends the file, one inside a line ends that line's text; each line is
// trimmed of bytes 0 to 32 and empty lines are skipped; a UTF-8 byte-order mark at the start
// is dropped. The words come back in file order.
// Writing: UTF-8, each word as it stands (blanks kept) followed by CR LF.
QStringList ParseWordList(const QByteArray& bytes);
QByteArray FormatWordList(const QStringList& words);
