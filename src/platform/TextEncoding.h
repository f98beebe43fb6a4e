// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QString>

// Text files carry no reliable marker of their encoding. A file that starts with a UTF-16
// byte-order mark is UTF-16 (Notepad's "Unicode"); one that is valid UTF-8, with or without
// its mark, is UTF-8 (what this program writes); any other is Windows-1252, the code page
// lists made on the other system were written in, so those still open.
enum class TextCodec { Utf8, Windows1252, Utf16Le, Utf16Be };

// How a whole file's text is stored: its codec and whether a byte-order mark leads it.
struct TextFormat {
    TextCodec Codec = TextCodec::Utf8;
    bool Bom = false;
    bool operator==(const TextFormat&) const = default;
};

// UTF-8 or Windows-1252 only, for text known to carry no UTF-16 mark.
TextCodec DetectCodec(const QByteArray& bytes);
TextFormat DetectFormat(const QByteArray& bytes);
// The byte-order mark that leads a file in this format (empty without one).
QByteArray ByteOrderMark(TextFormat format);
// A whole file's text, its byte-order mark dropped.
QString DecodeFile(const QByteArray& bytes, TextFormat format);

QString DecodeText(const char* data, qsizetype size, TextCodec codec);
inline QString DecodeText(const QByteArray& bytes) { return DecodeText(bytes.constData(), bytes.size(), DetectCodec(bytes)); }
// Text in a codec. Where a character has no Windows-1252 byte, the text is UTF-8 instead:
// check with Fits() first when the file must stay in one encoding.
QByteArray EncodeText(const QString& text, TextCodec codec);
bool Fits(const QString& text, TextCodec codec);
bool IsValidUtf8(const QByteArray& bytes);

// A file that is not text at all: it starts with the signature of a common binary format
// (PDF, ZIP and the office files built on it, the old office files, PNG, JPEG, GIF, ELF), or
// holds a NUL character once decoded. Opening one as text and saving it would destroy it.
bool IsBinaryFile(const QByteArray& bytes);
