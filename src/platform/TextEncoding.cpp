// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones map to the C1 controls.
constexpr char16_t High1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool ValidUtf8(const unsigned char* p, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        char32_t min;
        char32_t cp;
        if ((c & 0xE0) == 0xC0) { extra = 1; min = 0x80; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; min = 0x800; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; min = 0x10000; cp = c & 0x07; }
        else return false;
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

TextCodec DetectCodec(const QByteArray& bytes)
{
    return IsValidUtf8(bytes) ? TextCodec::Utf8 : TextCodec::Windows1252;
}

bool IsValidUtf8(const QByteArray& bytes)
{
    return ValidUtf8(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
}

TextFormat DetectFormat(const QByteArray& bytes)
{
    if (bytes.startsWith("\xff\xfe"))
        return {TextCodec::Utf16Le, true};
    if (bytes.startsWith("\xfe\xff"))
        return {TextCodec::Utf16Be, true};
    const TextCodec codec = DetectCodec(bytes);
    return {codec, codec == TextCodec::Utf8 && bytes.startsWith("\xef\xbb\xbf")};
}

QByteArray ByteOrderMark(TextFormat format)
{
    if (!format.Bom)
        return {};
    switch (format.Codec) {
    case TextCodec::Utf16Le: return QByteArray("\xff\xfe");
    case TextCodec::Utf16Be: return QByteArray("\xfe\xff");
    case TextCodec::Utf8: return QByteArray("\xef\xbb\xbf");
    case TextCodec::Windows1252: break;
    }
    return {};
}

QString DecodeFile(const QByteArray& bytes, TextFormat format)
{
    const qsizetype skip = ByteOrderMark(format).size();
    return DecodeText(bytes.constData() + skip, bytes.size() - skip, format.Codec);
}

bool IsBinaryFile(const QByteArray& bytes)
{
    static const char* const Signatures[] = {
        "%PDF-", "PK\x03\x04", "PK\x05\x06", "PK\x07\x08", "\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1",
        "\x89PNG\r\n\x1a\n", "\xff\xd8\xff", "GIF87a", "GIF89a", "\x7f" "ELF",
    };
    for (const char* signature : Signatures)
        if (bytes.startsWith(signature))
            return true;
    const TextFormat format = DetectFormat(bytes);
    if (format.Codec == TextCodec::Utf16Le || format.Codec == TextCodec::Utf16Be)
        return DecodeFile(bytes, format).contains(QChar(0));
    return bytes.contains('\0');
}

QString DecodeText(const char* data, qsizetype size, TextCodec codec)
{
    if (codec == TextCodec::Utf16Le || codec == TextCodec::Utf16Be) {
        // The mark, where there was one, is already dropped; a second one is text.
        QStringDecoder decoder(codec == TextCodec::Utf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(data, size));
    }
    if (codec == TextCodec::Utf8) {
        // A byte-order mark inside the text is a character like any other; dropping it
        // here would let a trimmed line turn empty or start with a blank.
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(data, size));
    }
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? High1252[b - 0x80] : char16_t(b));
    }
    return text;
}

namespace {

int Byte1252(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int k = 0; k < 32; ++k)
        if (High1252[k] == u)
            return 0x80 + k;
    return -1;
}

} // namespace

bool Fits(const QString& text, TextCodec codec)
{
    if (codec != TextCodec::Windows1252)
        return true;
    for (QChar c : text)
        if (Byte1252(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray EncodeText(const QString& text, TextCodec codec)
{
    if (codec == TextCodec::Utf8)
        return text.toUtf8();
    if (codec == TextCodec::Utf16Le || codec == TextCodec::Utf16Be) {
        QStringEncoder encoder(codec == TextCodec::Utf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return encoder.encode(text);
    }
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = Byte1252(c.unicode());
        if (b < 0)
            return text.toUtf8();
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}
