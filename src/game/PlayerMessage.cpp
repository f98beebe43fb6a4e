// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/PlayerMessage.h"

#include <QJsonDocument>
#include <QJsonObject>

bool IsSeatSecret(const QString& text)
{
    if (text.size() != 32)
        return false;
    for (const QChar ch : text)
        if (!((ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f')))
            return false;
    return true;
}

std::optional<PlayerMessage> ParsePlayerMessage(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() > MaxPlayerMessage)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    const QString type = o.value(QStringLiteral("type")).toString();
    PlayerMessage message;
    if (type == QStringLiteral("deal") && o.size() == 1) {
        message.Type = PlayerMessage::Kind::Deal;
        return message;
    }
    if (type == QStringLiteral("take") && (o.size() == 2 || (o.size() == 3 && o.contains(QStringLiteral("check"))))) {
        const QJsonValue card = o.value(QStringLiteral("card"));
        const QJsonValue check = o.value(QStringLiteral("check"));
        if (o.size() == 3 && (!check.isString() || check.toString().size() > 16))
            return std::nullopt;
        message.Check = check.toString();
        // A whole number in range, not 17.5 or "17".
        if (!card.isDouble() || card.toDouble() != static_cast<double>(card.toInt()) || card.toInt() < 1 ||
            card.toInt() > MaxSharedCard)
            return std::nullopt;
        message.Type = PlayerMessage::Kind::Take;
        message.Card = card.toInt();
        return message;
    }
    if ((type == QStringLiteral("hello") || type == QStringLiteral("claim")) && o.size() == 2) {
        const QString secret = o.value(QStringLiteral("secret")).toString();
        if (!IsSeatSecret(secret))
            return std::nullopt;
        message.Type = type == QStringLiteral("hello") ? PlayerMessage::Kind::Hello : PlayerMessage::Kind::Claim;
        message.Secret = secret;
        return message;
    }
    return std::nullopt;
}
