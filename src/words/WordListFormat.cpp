// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "words/WordListFormat.h"
#include "platform/PlatformError.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QCoreApplication>
#include <cstring>

namespace {

QStringList ParseLines(const QByteArray& bytes, qsizetype start, TextCodec codec)
{
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    QStringList words;
    QByteArray line; // a line with a CR inside it, without the CRs
    qsizetype i = start;
    while (i < n) {
        if (data[i] == 26)
            break; // Ctrl+Z at the start of a line ends the file
        const char* newline = static_cast<const char*>(std::memchr(data + i, '\n', size_t(n - i)));
        const qsizetype end = newline ? newline - data : n;
        // A Ctrl+Z inside a line cuts the rest of it off.
        const char* cut = static_cast<const char*>(std::memchr(data + i, 26, size_t(end - i)));
        qsizetype b = i;
        qsizetype e = cut ? cut - data : end;
        i = newline ? end + 1 : n;
        // Blanks, controls and CRs at either end are no part of a word.
        while (b < e && static_cast<unsigned char>(data[b]) <= 32)
            ++b;
        while (e > b && static_cast<unsigned char>(data[e - 1]) <= 32)
            --e;
        if (e == b)
            continue;
        if (!std::memchr(data + b, '\r', size_t(e - b))) {
            words.append(DecodeText(data + b, e - b, codec));
            continue;
        }
        line.clear();
        for (qsizetype k = b; k < e; ++k)
            if (data[k] != '\r')
                line.append(data[k]);
        words.append(DecodeText(line.constData(), line.size(), codec));
    }
    return words;
}

} // namespace

QStringList ParseWordList(const QByteArray& bytes)
{
    // Editors on both systems may start a file with a byte-order mark; it is no word.
    const TextFormat format = DetectFormat(bytes);
    if (format.Codec == TextCodec::Utf16Le || format.Codec == TextCodec::Utf16Be)
        return ParseLines(DecodeFile(bytes, format).toUtf8(), 0, TextCodec::Utf8);
    return ParseLines(bytes, ByteOrderMark(format).size(), format.Codec);
}

QStringList ReadWordListFile(const QString& path)
{
    const QByteArray bytes = TextFile::ReadAll(path);
    if (IsBinaryFile(bytes))
        throw NotAWordListError(path);
    return ParseWordList(bytes);
}

NotAWordListError::NotAWordListError(const QString& path)
    : PlatformError(QCoreApplication::translate("WordListFormat", "%1 is not a word list").arg(QFileInfo(path).fileName()))
{
}

QByteArray FormatWordList(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words) {
        bytes += word.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}
