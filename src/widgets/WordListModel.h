// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "words/WordList.h"
#include <QAbstractListModel>

// The sorted word list as the item list of the word box. The combo box shows this model
// directly, so the words are held once and a list of 100,000 words fills the box in one
// reset instead of 100,000 sorted inserts.
class WordListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    const QStringList& Items() const { return Words.Items(); }
    qsizetype Count() const { return Words.Count(); }
    qsizetype Insert(const QString& word);
    void InsertMany(QStringList words);
    void RemoveAt(qsizetype index);
    void Clear();
    // Counts the changes, so that what is worked out from the list can tell it is stale.
    int Revision() const { return Changes; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    WordList Words;
    int Changes = 0;
};
