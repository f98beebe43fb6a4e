// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QList>
#include <QString>

#include <utility>

// A Windows-style profile (INI) file, read afresh at every call and rewritten whole at
// every write, with the other system's rules so that one file serves both: names match
// ignoring case, values are trimmed of blanks and one pair of outer quotes, only the first
// section and key of a name count, and everything the program does not write (other
// sections and keys, comments, unknown lines) is kept byte for byte. Lines it writes end
// in CR LF. It never creates a folder.
//
// Reading never fails: a missing or unreadable file, section or key gives the default.
// A failed write raises "Unable to write to <path>" and leaves the old file as it was.
class ProfileFile {
public:
    explicit ProfileFile(QString path) : Path(std::move(path)) {}

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    // Several keys of one section in one rewrite: the file holds all of them or, where the
    // write fails or the process dies part way, none, never a mix of old and new.
    void WriteStrings(const QString& section, const QList<std::pair<QString, QString>>& values);

    const QString& FilePath() const { return Path; }

    // The longest text a read returns.
    static constexpr qsizetype MaxValueLength = 2047;

private:
    QString Path;
};
