// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The word-list reading rule on any bytes: no crash, every word trimmed and non-empty,
// and what is written reads back the same.
#include "platform/TextEncoding.h"
#include "words/WordListFormat.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IsBinaryFile(bytes); // any bytes at all, a UTF-16 mark with an odd length among them
    const QStringList words = ParseWordList(bytes);
    for (const QString& word : words) {
        if (word.isEmpty() || word.front().unicode() <= 32 || word.back().unicode() <= 32)
            std::abort();
        if (word.contains(u'\n') || word.contains(u'\r') || word.contains(QChar(26)))
            std::abort();
    }
    // Written and read again, the list is the same. (One exception by design: a first word
    // that begins with U+FEFF is written as a byte-order mark, which reading drops.)
    const bool startsWithMark = !words.isEmpty() && words.front().startsWith(QChar(0xfeff));
    if (!startsWithMark && ParseWordList(FormatWordList(words)) != words)
        std::abort();
    return 0;
}
