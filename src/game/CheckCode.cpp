// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CheckCode.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace CheckCode {

QString NewSecret()
{
    QByteArray bits(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bits.data()), 4);
    return QString::fromLatin1(bits.toHex());
}

QString Of(const QString& secret, int card, const char* kind)
{
    if (secret.isEmpty())
        return {};
    const QByteArray mac = QMessageAuthenticationCode::hash(QByteArray(kind) + ' ' + QByteArray::number(card),
                                                            secret.toLatin1(), QCryptographicHash::Sha256);
    QString code;
    for (int i = 0; i < Length; ++i)
        code += QLatin1Char(Letters[static_cast<unsigned char>(mac[i]) % 16]);
    return code;
}

bool Matches(const QString& typed, const QString& expected)
{
    if (expected.isEmpty())
        return true;
    QString letters;
    for (const QChar c : typed)
        if (!c.isSpace() && c != u'-')
            letters += c.toUpper();
    return letters == expected;
}

} // namespace CheckCode
