// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// plumwick-print's messages on standard error, worded as shell tools word theirs:
// "plumwick-print: <what>." (the full stop as the error box adds it).
void BatchFail(const QString& text);
// "plumwick-print: warning: <what>." for what went wrong beside a job that was done; nothing
// for an empty text.
void BatchWarn(const QString& text);

// A list file's words as the reading rule gives them; nothing, after saying why, when the
// file can't be read ("plumwick-print: /path/list.pwk: File not found.") or is no list.
std::optional<QStringList> ReadListOrSay(const QString& path);
