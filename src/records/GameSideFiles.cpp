// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// What the caller keeps of a game beside its calls: its prizes and their winners, and its log.
#include "game/GameCode.h"
#include "platform/Paths.h"
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "records/GameHistory.h"
#include "settings/OwnPatterns.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace GameHistory {

namespace {

QString BesideCalls(const QString& key, const QString& kind)
{
    const QString calls = CallsPath(key);
    return calls.isEmpty() ? QString() : JoinPath(QFileInfo(calls).path(), kind + u'-' + key + QStringLiteral(".json"));
}

QByteArray ReadBeside(const QString& path)
{
    try {
        if (!path.isEmpty() && QFileInfo::exists(path) && QFileInfo(path).size() < 32 * 1024 * 1024)
            return TextFile::ReadAll(path);
    } catch (const PlatformError&) {
        // What can't be read is none: the game is played and recorded as without.
    }
    return {};
}

} // namespace

PrizeRound SavedPrizes(const GameSource& source)
{
    return PrizeRound::Load(ReadBeside(BesideCalls(source.Key, QStringLiteral("Prizes"))));
}

void SavePrizes(const GameSource& source, const PrizeRound& round)
{
    const QString prizes = BesideCalls(source.Key, QStringLiteral("Prizes"));
    if (prizes.isEmpty())
        return;
    if (round.Active())
        TextFile::WriteAll(prizes, round.Save());
    else
        QFile::remove(prizes);
}

GameLog SavedLog(const GameSource& source)
{
    return GameLog::Load(ReadBeside(BesideCalls(source.Key, QStringLiteral("Log"))));
}

void SaveLog(const GameSource& source, const GameLog& log)
{
    if (const QString path = BesideCalls(source.Key, QStringLiteral("Log")); !path.isEmpty())
        TextFile::WriteAll(path, log.Save());
}

GameRecordSheet RecordSheet(const GameSource& source)
{
    GameRecordSheet sheet;
    sheet.Code = source.Code;
    sheet.Title = source.Title;
    sheet.Log = SavedLog(source);
    const CallerDraw calls = SavedCalls(source);
    QStringList called;
    for (const int index : calls.Calls())
        called << calls.Words()[index];
    sheet.Log.Follow(called);
    sheet.Prizes = SavedPrizes(source);
    const std::vector<Pattern> own = OwnPatterns::Read();
    for (const Prize& prize : sheet.Prizes.Prizes())
        sheet.PrizeNames << PrizeName(prize.Pattern, source.Tickets, own);
    if (const auto code = ParseGameCode(source.Code))
        sheet.Winners = WinnerCards(sheet, source.Words, source.Options, code->Seed, source.Tickets, own);
    return sheet;
}

} // namespace GameHistory
