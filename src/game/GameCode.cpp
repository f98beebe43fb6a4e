// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/GameCode.h"

#include "card/CardOptions.h"

#include <QCryptographicHash>
#include <QCoreApplication>

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

int DigitOf(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    if (u == u'O')
        return 0;
    if (u == u'I' || u == u'L')
        return 1;
    for (int i = 0; i < 32; ++i)
        if (Alphabet[i] == u)
            return i;
    return -1;
}

std::uint8_t Crc8(std::uint32_t value)
{
    std::uint8_t crc = 0;
    for (int byte = 3; byte >= 0; --byte) {
        crc ^= static_cast<std::uint8_t>(value >> (8 * byte));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint8_t>(crc & 0x80 ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

} // namespace

QString GameCode::Text() const
{
    const std::uint32_t payload = (Seed % SeedLimit) << 12 | (Shape & 0xfff);
    std::uint64_t bits = static_cast<std::uint64_t>(payload) << 8 | Crc8(payload);
    QString text(9, u'-');
    for (int i = 7; i >= 0; --i) {
        text[i < 4 ? i : i + 1] = QLatin1Char(Alphabet[bits & 31]);
        bits >>= 5;
    }
    return text;
}

std::optional<GameCode> ParseGameCode(const QString& text, GameCodeError* error)
{
    auto fail = [&](GameCodeError why) -> std::optional<GameCode> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    std::uint64_t bits = 0;
    int digits = 0;
    for (QChar c : text) {
        if (c == u'-' || c.isSpace())
            continue;
        const int d = DigitOf(c);
        if (d < 0 || ++digits > 8)
            return fail(GameCodeError::Malformed);
        bits = bits << 5 | static_cast<std::uint64_t>(d);
    }
    if (digits != 8)
        return fail(GameCodeError::Malformed);
    const auto payload = static_cast<std::uint32_t>(bits >> 8);
    if (Crc8(payload) != static_cast<std::uint8_t>(bits & 0xff))
        return fail(GameCodeError::Mistyped);
    if (error)
        *error = GameCodeError::None;
    return GameCode{payload >> 12, payload & 0xfff};
}

QString GameCodeErrorText(const QString& typed, GameCodeError why)
{
    return why == GameCodeError::Mistyped
               ? QCoreApplication::translate("GameCode", "%1 is not the code of a game: a character is mistyped").arg(typed.trimmed())
               : QCoreApplication::translate("GameCode", "%1 is not a game code (eight letters and digits, as K7F2-9QXA)").arg(typed.trimmed());
}

std::uint32_t ShapeCheck(const QStringList& words, int sizeIndex, bool freeSpace)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(CardSide(sizeIndex)) + (freeSpace ? "F" : "-"));
    for (const QString& word : words) {
        hash.addData(word.toUtf8());
        hash.addData(QByteArrayView("\n", 1));
    }
    const QByteArray digest = hash.result();
    return (static_cast<std::uint8_t>(digest[0]) << 8 | static_cast<std::uint8_t>(digest[1])) & 0xfff;
}
