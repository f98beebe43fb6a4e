// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A long list is sorted by keys made here from ICU; the order must be exactly the one
// QCollator's own keys give, in every language, ties kept in the order read.
#include "platform/CollationOrder.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <gtest/gtest.h>

TEST(CollationOrder, SameAsQCollatorsKeys)
{
    QStringList words = {"zebra", "Zebra", "ZEBRA", "\u00e9clair", "eclair", "Eclair", "\u00c4pfel", "Apfel", "apfel",
                         "\u00e5ngstr\u00f6m", "angstrom", "\u00f6l", "ol", "\u00fcber", "uber", "Stra\u00dfe", "strasse",
                         "a-b", "ab", "a b", "a.b", "10", "9", "1", "100", "-1", "", " ", "\u732b", "\u72ac", "\u3042",
                         "\u30a2", "\U0001F9FF", "\u0131", "I", "i", "\u0130", "\u05e9\u05dc\u05d5\u05dd", "\u0633\u0644\u0627\u0645",
                         "\u0915\u094d\u0937", "caf\u00e9", "cafe\u0301", "\u00c6ther", "aether"};
    // Keys that agree in their first bytes and part later.
    for (int i = 0; i < 40; ++i)
        words << QStringLiteral("prefix shared by all of these %1").arg((i * 37) % 23);
    for (const char* name : {"en_US", "de_DE", "sv_SE", "fr_FR", "tr_TR", "ja_JP", "da_DK"}) {
        const QLocale locale(QString::fromLatin1(name));
        QCollator collator(locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<QCollatorSortKey> keys;
        for (const QString& word : words)
            keys.push_back(collator.sortKey(word));
        std::vector<qsizetype> expected(size_t(words.size()));
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(),
                         [&](qsizetype a, qsizetype b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
        const auto order = CollationOrder(words, locale);
        ASSERT_TRUE(order.has_value()) << name;
        EXPECT_EQ(*order, expected) << name;
        // A list already in order comes back as it is.
        QStringList sorted;
        for (qsizetype i : expected)
            sorted << words[i];
        std::vector<qsizetype> identity(size_t(sorted.size()));
        std::iota(identity.begin(), identity.end(), 0);
        EXPECT_EQ(*CollationOrder(sorted, locale), identity) << name;
    }
}
