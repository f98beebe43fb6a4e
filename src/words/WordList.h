// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QCollator>
#include <QStringList>

// The word list, always in sorted order: case-insensitive and locale-aware, numbers
// ordered as text (1, 10, 11 ... 19, 2, 20). Duplicates are kept; a word equal to others
// ignoring case goes after them. Under the C locale an English collation is used, so the
// order does not depend on how the machine was set up.
class WordList {
public:
    WordList();

    const QStringList& Items() const { return Words; }
    qsizetype Count() const { return Words.size(); }

    // Inserts one word at its sorted place and returns that place.
    qsizetype Insert(const QString& word);
    // Adds many words at once: sorted in one go and merged, not inserted one by one.
    void InsertMany(QStringList words);
    void RemoveAt(qsizetype index);
    void Clear();

    // The place where a word would be inserted.
    qsizetype InsertPosition(const QString& word) const;
    bool Less(const QString& a, const QString& b) const;

    static QCollator MakeCollator();

private:
    QCollator Collator;
    QStringList Words;
};
