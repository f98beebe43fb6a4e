// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "words/WordList.h"
#include "platform/CollationOrder.h"

#include <QLocale>
#include <algorithm>
#include <numeric>
#include <vector>

QCollator WordList::MakeCollator()
{
    QLocale locale; // the system's unless the program set another
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

WordList::WordList() : Collator(MakeCollator()) {}

bool WordList::Less(const QString& a, const QString& b) const
{
    return Collator.compare(a, b) < 0;
}

qsizetype WordList::InsertPosition(const QString& word) const
{
    const auto it = std::upper_bound(Words.cbegin(), Words.cend(), word,
                                     [this](const QString& a, const QString& b) { return Less(a, b); });
    return it - Words.cbegin();
}

qsizetype WordList::Insert(const QString& word)
{
    const qsizetype at = InsertPosition(word);
    Words.insert(at, word);
    return at;
}

void WordList::InsertMany(QStringList words)
{
    if (words.isEmpty())
        return;
    // The collator's own order, its keys made and compared in one block; where that can't be
    // had, its sort keys one by one (a byte compare each instead of a full collation).
    std::optional<std::vector<qsizetype>> collated = CollationOrder(words, Collator.locale());
    std::vector<qsizetype> order;
    if (collated) {
        order = std::move(*collated);
    } else {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(static_cast<size_t>(words.size()));
        for (const QString& w : words)
            keys.push_back(Collator.sortKey(w));
        order.resize(static_cast<size_t>(words.size()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    }
    QStringList sorted;
    sorted.reserve(words.size());
    for (qsizetype i : order)
        sorted.append(std::move(words[i]));

    if (Words.isEmpty()) {
        Words = std::move(sorted);
        return;
    }
    QStringList merged;
    merged.reserve(Words.size() + sorted.size());
    std::merge(Words.cbegin(), Words.cend(), sorted.cbegin(), sorted.cend(), std::back_inserter(merged),
               [this](const QString& a, const QString& b) { return Less(a, b); });
    Words = std::move(merged);
}

void WordList::RemoveAt(qsizetype index)
{
    Words.removeAt(index);
}

void WordList::Clear()
{
    Words.clear();
}
