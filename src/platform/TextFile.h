// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QString>
#include <sys/types.h>

// Whole-file reads and writes with the platform's error messages ("File not found",
// "Invalid filename", "Too many open files", "File access denied", "Disk full",
// "I/O error N", and what a folder or a device given as a file is), raised as
// PlatformError naming the file. Descriptors are closed on every path.
//
// A write never destroys the old file: the bytes go to a temporary file in the same
// folder, which is renamed over the old one only once it is complete and flushed. On any
// failure the old file is as it was and the temporary file is gone. A target that is not a
// regular file (a device such as /dev/full) is written in place, never replaced.
namespace TextFile {

// Files larger than this are refused with "File too large (the limit is 32 MB)": a word
// list is text typed by people (Debian's 100,000-word dictionary is 1 MB), and a larger file
// would only freeze the window.
inline constexpr qint64 MaxReadSize = 32LL * 1024 * 1024;

// What a replacement does with a link at the target's name: write the file the link names
// (a list kept as a link stays a link), or put the new file in the link's place and leave
// whatever it pointed to alone (files written into a folder that others can put links in).
enum class Links { Follow, Replace };

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes, Links links = Links::Follow);

// A file being written in place of another: the bytes go to an unnamed temporary file in
// the target's folder (a named "NAME.plumwick-XXXXXX" where the file system has no unnamed
// files) until Commit() puts it in the target's place and syncs the folder, so that a
// power cut keeps the new file. Destroyed without Commit(), or killed, it leaves the target
// untouched and no file behind; named leftovers of a killed write are removed when the
// same file is written again.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& path, Links links = Links::Follow);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    int Descriptor() const { return Fd; }
    const QString& FilePath() const { return Path; }
    void Write(const QByteArray& bytes);
    // Raises the message for an error met while writing through Descriptor().
    [[noreturn]] void Fail(int error) const;
    void Commit();

private:
    void OpenTemporary(mode_t mode);
    QString Path;
    QByteArray Target;
    QByteArray TempPath; // a named temporary file, if one was needed
    bool Unnamed = false; // an O_TMPFILE file, named only at Commit()
    bool InPlace = false; // a device or a pipe, written where it is
    int Fd = -1;
    bool Committed = false;
};

// Removes leftovers of writes killed before they could finish ("NAME.plumwick-XXXXXX",
// older than a minute) from a folder.
void RemoveLeftovers(const QString& folder);

// True when both names lead to the same file (links followed).
bool SameFile(const QString& a, const QString& b);

// The message for an errno at a path ("File not found" or "Invalid filename" for ENOENT,
// depending on whether the folder exists).
QString ErrorMessage(int error, const QString& path);

} // namespace TextFile
