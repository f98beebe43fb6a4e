// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "words/WordListFormat.h"
#include "platform/PlatformError.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace {

QStringList ParseLines(const QByteArray& bytes, qsizetype start, TextCodec codec)
{
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    QStringList words;
    QByteArray line;
    qsizetype i = start;
    while (i < n) {
        if (data[i] == 26)
            break; // Ctrl+Z at the start of a line ends the file
        line.clear();
        bool cut = false;
        for (; i < n && data[i] != '\n'; ++i) {
            const char c = data[i];
            if (c == 26)
                cut = true;
            if (!cut && c != '\r')
                line.append(c);
        }
        if (i < n)
            ++i; // the LF
        qsizetype b = 0;
        qsizetype e = line.size();
        while (b < e && static_cast<unsigned char>(line[b]) <= 32)
            ++b;
        while (e > b && static_cast<unsigned char>(line[e - 1]) <= 32)
            --e;
        if (e > b)
            words.append(DecodeText(line.constData() + b, e - b, codec));
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
