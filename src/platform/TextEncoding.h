#pragma once
#include <QByteArray>
#include <QString>

// Text files carry no marker of their encoding. A file that is valid UTF-8 is read as
// UTF-8 (what this program writes); any other as Windows-1252, the code page lists made
// on the other system were written in, so those still open.
enum class TextCodec { Utf8, Windows1252 };

TextCodec DetectCodec(const QByteArray& bytes);
QString DecodeText(const char* data, qsizetype size, TextCodec codec);
inline QString DecodeText(const QByteArray& bytes) { return DecodeText(bytes.constData(), bytes.size(), DetectCodec(bytes)); }
// Text in a codec. Where a character has no Windows-1252 byte, the text is UTF-8 instead:
// check with Fits() first when the file must stay in one encoding.
QByteArray EncodeText(const QString& text, TextCodec codec);
bool Fits(const QString& text, TextCodec codec);
