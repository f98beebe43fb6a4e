#include "platform/TextEncoding.h"

#include <QStringDecoder>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones map to the C1 controls.
constexpr char16_t High1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsValidUtf8(const unsigned char* p, qsizetype n)
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
    return IsValidUtf8(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size())
               ? TextCodec::Utf8
               : TextCodec::Windows1252;
}

QString DecodeText(const char* data, qsizetype size, TextCodec codec)
{
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
    if (codec == TextCodec::Utf8)
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
