// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/GameLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr std::size_t MostEntries = 100000;

} // namespace

void GameLog::Called(const QString& word, const QDateTime& at)
{
    if (Calls.size() < MostEntries)
        Calls.push_back({word, at.toUTC()});
}

void GameLog::Undone(const QDateTime& at)
{
    if (Calls.empty())
        return;
    if (TakenBack.size() < MostEntries)
        TakenBack.push_back({Calls.back().Word, at.toUTC()});
    Calls.pop_back();
}

void GameLog::Claimed(int card, const QString& text, bool confirmed, const QDateTime& at, bool hostsDecision)
{
    if (Claims.size() < MostEntries)
        Claims.push_back({card, text, at.toUTC(), confirmed, confirmed && hostsDecision});
}

void GameLog::Follow(const QStringList& calls)
{
    std::size_t same = 0;
    while (same < Calls.size() && same < static_cast<std::size_t>(calls.size()) && Calls[same].Word == calls[static_cast<qsizetype>(same)])
        ++same;
    Calls.resize(same);
    for (qsizetype i = static_cast<qsizetype>(same); i < calls.size(); ++i)
        Calls.push_back({calls[i], QDateTime()});
}

QByteArray GameLog::Save() const
{
    QJsonArray calls, takenBack, claims;
    for (const Call& c : Calls)
        calls.append(QJsonObject{{QStringLiteral("word"), c.Word}, {QStringLiteral("at"), c.At.toString(Qt::ISODate)}});
    for (const Call& c : TakenBack)
        takenBack.append(QJsonObject{{QStringLiteral("word"), c.Word}, {QStringLiteral("at"), c.At.toString(Qt::ISODate)}});
    for (const Claim& c : Claims) {
        QJsonObject claim{{QStringLiteral("card"), c.Card},
                          {QStringLiteral("text"), c.Text},
                          {QStringLiteral("at"), c.At.toString(Qt::ISODate)},
                          {QStringLiteral("confirmed"), c.Confirmed}};
        if (c.HostsDecision)
            claim.insert(QStringLiteral("hostsDecision"), true);
        claims.append(claim);
    }
    QJsonObject root{{QStringLiteral("calls"), calls}, {QStringLiteral("claims"), claims}};
    if (!takenBack.isEmpty()) // a log with none reads as it always did
        root.insert(QStringLiteral("takenBack"), takenBack);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

GameLog GameLog::Load(const QByteArray& json)
{
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    GameLog log;
    const auto time = [](const QJsonValue& v) {
        QDateTime at = QDateTime::fromString(v.toString(), Qt::ISODate);
        return at.isValid() ? at.toUTC() : QDateTime();
    };
    for (const auto& [key, calls] : {std::pair{QStringLiteral("calls"), &log.Calls}, std::pair{QStringLiteral("takenBack"), &log.TakenBack}})
        for (const QJsonValue v : root.value(key).toArray()) {
            if (calls->size() >= MostEntries)
                break;
            calls->push_back({v.toObject().value(QStringLiteral("word")).toString().left(1000), time(v.toObject().value(QStringLiteral("at")))});
        }
    for (const QJsonValue v : root.value(QStringLiteral("claims")).toArray()) {
        const QJsonObject o = v.toObject();
        const int card = o.value(QStringLiteral("card")).toInt();
        if (card <= 0 || log.Claims.size() >= MostEntries)
            continue;
        const bool confirmed = o.value(QStringLiteral("confirmed")).toBool();
        log.Claims.push_back({card, o.value(QStringLiteral("text")).toString().left(1000), time(o.value(QStringLiteral("at"))),
                              confirmed, confirmed && o.value(QStringLiteral("hostsDecision")).toBool()});
    }
    return log;
}
