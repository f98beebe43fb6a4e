#include "words/WordListFormat.h"
#include "platform/TextEncoding.h"

QStringList ParseWordList(const QByteArray& bytes)
{
    const TextCodec codec = DetectCodec(bytes);
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    QStringList words;
    QByteArray line;
    // Editors on both systems may start a UTF-8 file with a byte-order mark; it is no word.
    qsizetype i = codec == TextCodec::Utf8 && bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
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

QByteArray FormatWordList(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words) {
        bytes += word.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}
