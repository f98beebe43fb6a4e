// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/Prizes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

constexpr int MostPrizes = 20;
constexpr int MostWinners = 999;

} // namespace

NinetyBall::TicketPattern TicketPrizePattern(const QString& key)
{
    return key == QStringLiteral("house") ? NinetyBall::TicketPattern::FullHouse
           : key == QStringLiteral("two") ? NinetyBall::TicketPattern::TwoLines
                                          : NinetyBall::TicketPattern::OneLine;
}

QString TicketPrizeKey(NinetyBall::TicketPattern pattern)
{
    return pattern == NinetyBall::TicketPattern::FullHouse ? QStringLiteral("house")
           : pattern == NinetyBall::TicketPattern::TwoLines ? QStringLiteral("two")
                                                            : QStringLiteral("one");
}

QString PrizeName(const QString& key, bool tickets, const std::vector<Pattern>& own)
{
    if (tickets)
        return NinetyBall::TicketPatternName(TicketPrizePattern(key));
    const Pattern* p = FindPattern(key, own);
    return p ? p->Name : key;
}

PrizeRound::PrizeRound(std::vector<Prize> prizes)
{
    SetPrizes(std::move(prizes));
}

std::vector<Prize> PrizeRound::Usual(bool tickets)
{
    if (tickets)
        return {{QStringLiteral("one"), 1}, {QStringLiteral("two"), 1}, {QStringLiteral("house"), 1}};
    return {{QStringLiteral("line"), 1}, {QStringLiteral("corners"), 1}, {QStringLiteral("full"), 1}};
}

const Prize* PrizeRound::Now() const
{
    return Active() && !Over() ? &List[static_cast<std::size_t>(Playing)] : nullptr;
}

bool PrizeRound::Confirm(const PrizeWinner& winner, bool& movedOn)
{
    movedOn = false;
    const Prize* prize = Now();
    if (!prize)
        return false;
    auto& winners = Won[static_cast<std::size_t>(Playing)];
    if (std::any_of(winners.begin(), winners.end(), [&](const PrizeWinner& w) { return w.Card == winner.Card; }))
        return false;
    winners.push_back(winner);
    if (prize->Winners > 0 && static_cast<int>(winners.size()) >= prize->Winners) {
        ++Playing;
        movedOn = true;
    }
    return true;
}

void PrizeRound::Next()
{
    if (Active() && !Over())
        ++Playing;
}

void PrizeRound::SetPrizes(std::vector<Prize> prizes)
{
    if (prizes.size() > static_cast<std::size_t>(MostPrizes))
        prizes.resize(MostPrizes);
    for (Prize& p : prizes)
        p.Winners = std::clamp(p.Winners, 0, MostWinners);
    // The prizes played so far, and the one being played, keep their winners while the same
    // patterns stand in the same places.
    std::vector<std::vector<PrizeWinner>> won(prizes.size());
    int playing = 0;
    for (std::size_t i = 0; i < prizes.size() && i < List.size() && List[i].Pattern == prizes[i].Pattern; ++i) {
        won[i] = Won[i];
        if (static_cast<int>(i) < Playing)
            playing = static_cast<int>(i) + 1;
    }
    List = std::move(prizes);
    Won = std::move(won);
    Playing = playing;
}

QByteArray PrizeRound::Save() const
{
    QJsonArray prizes;
    for (std::size_t i = 0; i < List.size(); ++i) {
        QJsonArray winners;
        for (const PrizeWinner& w : Won[i])
            winners.append(QJsonObject{{QStringLiteral("card"), w.Card}, {QStringLiteral("line"), w.Line}, {QStringLiteral("calls"), w.Calls}});
        prizes.append(QJsonObject{{QStringLiteral("pattern"), List[i].Pattern},
                                  {QStringLiteral("winners"), List[i].Winners},
                                  {QStringLiteral("won"), winners}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("prizes"), prizes}, {QStringLiteral("playing"), Playing}}).toJson(QJsonDocument::Compact);
}

PrizeRound PrizeRound::Load(const QByteArray& json)
{
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    PrizeRound round;
    for (const QJsonValue value : root.value(QStringLiteral("prizes")).toArray()) {
        const QJsonObject o = value.toObject();
        const QString pattern = o.value(QStringLiteral("pattern")).toString().left(60);
        if (pattern.isEmpty() || round.List.size() >= static_cast<std::size_t>(MostPrizes))
            return {};
        round.List.push_back({pattern, std::clamp(o.value(QStringLiteral("winners")).toInt(1), 0, MostWinners)});
        std::vector<PrizeWinner> winners;
        for (const QJsonValue w : o.value(QStringLiteral("won")).toArray()) {
            const QJsonObject wo = w.toObject();
            const int card = wo.value(QStringLiteral("card")).toInt();
            if (card <= 0 || winners.size() >= static_cast<std::size_t>(MostWinners))
                return {};
            winners.push_back({card, wo.value(QStringLiteral("line")).toString().left(200), std::max(0, wo.value(QStringLiteral("calls")).toInt())});
        }
        round.Won.push_back(std::move(winners));
    }
    round.Playing = std::clamp(root.value(QStringLiteral("playing")).toInt(), 0, static_cast<int>(round.List.size()));
    return round;
}
