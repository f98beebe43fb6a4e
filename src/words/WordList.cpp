// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "words/WordList.h"

#include <QLocale>
#include <algorithm>
#include <numeric>
#include <thread>
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
    // Sort keys make each comparison a byte compare instead of a full collation. A long list
    // is keyed and sorted in two halves at once (the second half with a collator of its own)
    // and the halves merged, which orders ties as one stable sort does.
    const size_t count = static_cast<size_t>(words.size());
    const size_t half = count >= 20000 ? count / 2 : count;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(count);
    for (size_t i = 0; i < half; ++i)
        keys.push_back(Collator.sortKey(words[qsizetype(i)]));
    std::vector<QCollatorSortKey> later;
    std::vector<qsizetype> order(count);
    std::iota(order.begin(), order.end(), 0);
    const auto less = [&](qsizetype a, qsizetype b) {
        const auto& ka = size_t(a) < half ? keys[size_t(a)] : later[size_t(a) - half];
        const auto& kb = size_t(b) < half ? keys[size_t(b)] : later[size_t(b) - half];
        return ka.compare(kb) < 0;
    };
    const auto firstHalf = order.begin() + qsizetype(half);
    std::thread other;
    if (half < count)
        other = std::thread([&] {
            QCollator own = MakeCollator();
            later.reserve(count - half);
            for (size_t i = half; i < count; ++i)
                later.push_back(own.sortKey(words[qsizetype(i)]));
            if (!std::is_sorted(firstHalf, order.end(), less))
                std::stable_sort(firstHalf, order.end(), less);
        });
    // A saved list is read in order already: checking costs one comparison a word.
    if (!std::is_sorted(order.begin(), firstHalf, less))
        std::stable_sort(order.begin(), firstHalf, less);
    if (other.joinable()) {
        other.join();
        std::inplace_merge(order.begin(), firstHalf, order.end(), less);
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
