// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Game night: numbering the cards, the caller and the checker.
#include "app/CallerWindow.h"
#include "dialogs/CheckCardDialog.h"
#include "dialogs/PatternEditorDialog.h"
#include "app/UnitMain.h"
#include "game/GameCode.h"
#include "platform/Clock.h"
#include "records/GameHistory.h"
#include "settings/SettingsFlag.h"

#include <QCheckBox>
#include <QAction>

namespace {

// The newest game printed from this list with these options, where there is one.
std::optional<GameRecord> LatestGameOf(const QStringList& words, const CardOptions& options)
{
    const QList<GameRecord> games = GameHistory::GamesOf(words, options);
    return games.isEmpty() ? std::nullopt : std::optional<GameRecord>(games.front());
}

// The newest game of tickets, where there is one.
std::optional<GameRecord> LatestTicketGame()
{
    for (const GameRecord& game : GameHistory::Read())
        if (game.Tickets)
            return game;
    return std::nullopt;
}

} // namespace

void TFrmMain::MnuNumberCardsClick()
{
    NumberCardsFlag.Write(MnuNumberCards->isChecked());
}

QString TFrmMain::CurrentGameHeading() const
{
    if (!MnuNumberCards->isChecked())
        return {};
    const auto game = TicketsOn() ? LatestTicketGame() : LatestGameOf(WordList.Items(), Options());
    return game ? QStringLiteral("Game ") + game->Code : QString();
}

GameSource TFrmMain::CurrentGameSource() const
{
    if (TicketsOn()) {
        GameSource source = GameHistory::ListSource(NinetyBall::Numbers(), Options());
        source.Title = tr("The numbers 1 to 90");
        source.Tickets = true;
        if (const auto game = LatestTicketGame())
            source = GameHistory::LoadGame(*game);
        return source;
    }
    GameSource source = GameHistory::ListSource(WordList.Items(), Options());
    source.PictureFolder = PictureBase;
    source.Design = Look.Design;
    if (const auto game = LatestGameOf(WordList.Items(), Options())) {
        source.Title = tr("Game %1 (the current list)").arg(game->Code);
        source.Key = source.Code = game->Code;
        source.Cards = game->Cards;
        source.ListFile = game->ListFile;
    }
    return source;
}

void TFrmMain::MnuCallWordsClick()
{
    if (!Caller) {
        Caller = new CallerWindow(this, Env.Asks, Env.Voice, [this] { return CurrentGameSource(); },
                                  [] { return SteadyClock().Counter(); });
        connect(Caller, &CallerWindow::CheckRequested, this, [this](const QString& code, const QString& pattern) {
            Guard([this, code, pattern] {
                CheckCardDialog check(Caller, Env.Asks, [this] { return CurrentGameSource(); }, code);
                if (!pattern.isEmpty()) {
                    check.PlayFor(pattern);
                    check.OnWinner([this](int card, const QString& line) { Caller->ConfirmWinner(card, line); });
                }
                check.exec();
            });
        });
    }
    // Open, the caller only comes to the front: its game and its calls stay as they are.
    // Opening, it shows before it plays, so that its question (go on where a game stopped?)
    // comes over it.
    const bool opening = !Caller->isVisible();
    if (Caller->isMinimized())
        Caller->showNormal();
    Caller->show();
    Caller->raise();
    Caller->activateWindow();
    if (opening)
        Caller->Play(CurrentGameSource());
}

void TFrmMain::MnuRoomDisplayClick()
{
    // The display shows the caller's game: the caller opens with it.
    MnuCallWordsClick();
    Caller->ChkRoom->setChecked(true);
}

void TFrmMain::MnuPatternsClick()
{
    PatternEditorDialog patterns(this, Env.Asks);
    patterns.exec();
}

void TFrmMain::MnuCheckCardClick()
{
    CheckCardDialog check(this, Env.Asks, [this] { return CurrentGameSource(); });
    check.exec();
}
