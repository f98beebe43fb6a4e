// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/CollationOrder.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

std::optional<std::vector<qsizetype>> CollationOrder(const QStringList& texts, const QLocale& locale)
{
    // As QCollator sets up ICU: normalisation on, and case ignored by comparing no further
    // than accents.
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray name = locale.bcp47Name().replace('-', '_').toLatin1();
    std::unique_ptr<UCollator, void (*)(UCollator*)> collator(ucol_open(name.constData(), &status), ucol_close);
    if (U_FAILURE(status) || !collator)
        return std::nullopt;
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, UCOL_SECONDARY, &status);
    if (U_FAILURE(status))
        return std::nullopt;

    // Every key in one block; each text's first eight bytes kept beside its place as a number,
    // which settles most comparisons without looking further.
    struct Entry {
        quint64 Head;
        quint32 At;     // in the block
        quint32 Length; // without the closing zero
        qsizetype Index;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(texts.size()));
    std::string block;
    block.reserve(size_t(texts.size()) * 24);
    std::vector<uint8_t> key(256);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        const auto length = int(std::min<qsizetype>(text.size(), INT_MAX));
        int size = ucol_getSortKey(collator.get(), reinterpret_cast<const UChar*>(text.constData()), length, key.data(),
                                   int(key.size()));
        if (size > int(key.size())) {
            key.resize(size_t(size));
            size = ucol_getSortKey(collator.get(), reinterpret_cast<const UChar*>(text.constData()), length, key.data(),
                                   int(key.size()));
        }
        // The key ends with a zero byte, which no other byte of it is.
        const size_t bytes = size > 0 ? size_t(size) - 1 : 0;
        quint64 head = 0;
        for (size_t b = 0; b < 8; ++b)
            head = head << 8 | (b < bytes ? key[b] : 0);
        entries.push_back({head, quint32(block.size()), quint32(bytes), i});
        block.append(reinterpret_cast<const char*>(key.data()), bytes);
    }
    const char* keys = block.data();
    const auto less = [keys](const Entry& a, const Entry& b) {
        if (a.Head != b.Head)
            return a.Head < b.Head;
        if (a.Length > 8 && b.Length > 8) {
            const quint32 common = std::min(a.Length, b.Length) - 8;
            if (const int order = std::memcmp(keys + a.At + 8, keys + b.At + 8, common))
                return order < 0;
        }
        if (a.Length != b.Length)
            return a.Length < b.Length;
        return a.Index < b.Index;
    };
    if (!std::is_sorted(entries.begin(), entries.end(), less))
        std::sort(entries.begin(), entries.end(), less);
    std::vector<qsizetype> order;
    order.reserve(entries.size());
    for (const Entry& entry : entries)
        order.push_back(entry.Index);
    return order;
}
