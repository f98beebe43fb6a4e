// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchGame.h"
#include "batch/BatchMessages.h"
#include "batch/BatchOptions.h"
#include "output/CardPrinting.h"
#include "output/GameRecordPdf.h"
#include "game/CardCheck.h"
#include "game/CardView.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "game/Patterns.h"
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "records/GameHistory.h"
#include "settings/OwnPatterns.h"
#include "words/WordListFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <cstdio>

namespace {

std::optional<GameCode> ReadCode(const QString& text)
{
    GameCodeError why = GameCodeError::None;
    const auto code = ParseGameCode(text, &why);
    if (!code)
        BatchFail(GameCodeErrorText(text, why));
    return code;
}

} // namespace

void ApplyGameOptions(const QString& code, CardOptions& card)
{
    if (const auto code_ = ParseGameCode(code))
        if (const auto record = GameHistory::Find(code_->Text()))
            card = record->Options;
}

std::optional<NumberedGame> BatchGameFor(const BatchOptions& options, const QStringList& words, CardOptions& card,
                                         int count, int& first, int& status)
{
    status = 0;
    first = 1;
    if (!options.Numbered && !options.Game)
        return std::nullopt;
    std::uint32_t seed = 0;
    if (options.Game) {
        const auto code = ReadCode(*options.Game);
        if (!code) {
            status = 1;
            return std::nullopt;
        }
        if (code->Shape != ShapeCheck(words, card.SizeIndex, card.FreeSpace)) {
            BatchFail(ShapeMismatchText(*code, words, card));
            status = 1;
            return std::nullopt;
        }
        seed = code->Seed;
    } else {
        seed = GameHistory::NewCardSeed(words, card);
    }
    NumberedGame game(words, card, seed);
    if (options.More) {
        const GameHistory::TakenCards taken = GameHistory::Take(
            {game.Code().Text(), QFileInfo(options.ListFile).absoluteFilePath(), card, 0, false, {}}, count);
        if (!taken.Recorded) {
            BatchFail(taken.Note); // stopped before a card is printed
            status = 1;
            return std::nullopt;
        }
        BatchWarn(taken.Note);
        first = taken.First;
    }
    QString error;
    if (!game.Plan(options.CallList ? 0 : first + count - 1, error)) {
        const QString note = options.CallList ? QString() : RoundedUpNote(options.Cards, options.PerPage);
        BatchFail(note.isEmpty() ? error : error + u' ' + note);
        status = 1;
        return std::nullopt;
    }
    return game;
}

int RunCheck(const BatchOptions& options, const QStringList& words, CardOptions card)
{
    // /dev/null is the shell's "nothing called yet".
    const std::optional<QStringList> calls = TextFile::SameFile(options.CalledFile, QStringLiteral("/dev/null"))
                                                 ? std::optional<QStringList>(QStringList())
                                                 : ReadListOrSay(options.CalledFile);
    if (!calls)
        return 1;
    const QSet<QString> called(calls->cbegin(), calls->cend());
    const auto code = ParseGameCode(*options.Check);
    const auto record = code ? GameHistory::Find(code->Text()) : std::nullopt;
    const std::vector<Pattern> own = OwnPatterns::Read();
    const Pattern* pattern = FindPattern(options.Pattern, own);
    const CardCheck check = CheckCard(words, card, *options.Check, options.Card, record ? record->Cards : 0, called,
                                      pattern ? *pattern : ClassicPattern(WinPattern::AnyLine));
    if (!check.Error.isEmpty()) {
        BatchFail(check.Error);
        return 1;
    }
    std::fputs(qUtf8Printable(check.Card.AsText(called)), stdout);
    std::printf("%s\n", qUtf8Printable(check.Result.Text));
    if (!check.Note.isEmpty())
        std::printf("%s\n", qUtf8Printable(check.Note));
    return check.Result.Bingo ? 0 : 4;
}

QString PatternListing()
{
    // The key --pattern takes, then the name; a pattern of one card size says which.
    QString listing;
    QStringList problems;
    const std::vector<Pattern> own = OwnPatterns::Read(&problems);
    for (const QString& problem : std::as_const(problems))
        BatchFail(problem);
    for (const Pattern* p : PatternsFor(0, own)) {
        QString name = p->Name;
        if (p->Side != 0)
            name = QCoreApplication::translate("BatchGame", "%1, on %2 x %2 cards").arg(name).arg(p->Side);
        if (p->AnyWayRound)
            name = QCoreApplication::translate("BatchGame", "%1, any way round").arg(name);
        listing += QStringLiteral("%1  %2\n").arg(p->Own ? u'"' + p->Key + u'"' : p->Key, -18).arg(name);
    }
    return listing;
}

int RunRecord(const BatchOptions& options)
{
    const auto code = ReadCode(*options.Record);
    if (!code)
        return 1;
    const auto record = GameHistory::Find(code->Text());
    if (!record) {
        BatchFail(QCoreApplication::translate("BatchGame", "This computer has no record of game %1.").arg(code->Text()));
        return 1;
    }
    const QString output = options.Output.isEmpty() ? code->Text() + QStringLiteral(".pdf") : options.Output;
    try {
        WriteRecord(output, GameHistory::RecordSheet(GameHistory::LoadGame(*record)));
    } catch (const PlatformError& e) {
        BatchFail(e.Text());
        return 1;
    }
    return 0;
}
