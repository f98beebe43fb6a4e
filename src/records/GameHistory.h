// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "card/CardDesign.h"
#include "card/CardOptions.h"
#include "game/CallerDraw.h"
#include "game/GameRecordSheet.h"
#include "game/Prizes.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The last 20 numbered games printed, newest first, for the caller and the checker: the
// code, the list file, the card options and the count. Kept as Games.json in the per-user
// data folder, written whole through a temporary file. A file that can't be read is an
// empty history for reading; Add() never writes over it. Codes are taken from the file
// only as the program writes them, since they become file names.
struct GameRecord {
    QString Code;
    QString ListFile;
    CardOptions Options;
    int Cards = 0;   // strips, for tickets
    bool Tickets = false; // 90-ball tickets, with no list file
    QString Secret = {}; // makes the check codes of its cards; none for games printed before them
    QString Language = {}; // its printed lines' language ("de"); English where empty
};

// What the caller and the checker play: a recent game's list read from its file (sorted as
// when it was printed), or the window's current list; and the key its calls are kept under.
struct GameSource {
    QString Title;
    QString Key;
    QString Code; // empty for a plain list
    QStringList Words;
    CardOptions Options;
    int Cards = 0; // when it was chosen: the ledger below has the count of the moment
    bool Tickets = false;
    QString ListFile = {}; // a game's list file
    QString PictureFolder = {}; // where its picture entries are named from (its list's folder)
    CardDesign Design = {};     // its list's design, for the phones' cards
};
// Raises PlatformError when the game's list file can't be read.
namespace GameHistory {

inline constexpr int MaxGames = 20;

QList<GameRecord> Read();
// Records a game printed, exported or dealt, newest first. A game already there keeps its
// list and options and takes the higher card count. Returns what the user must be told
// (empty when all went well): a history that could not be read is kept aside under a name
// that says so and a new one started; a history that can't be written loses this game.
[[nodiscard]] QString Add(const GameRecord& game);
std::optional<GameRecord> Find(const QString& code);

// The game's ledger: the cards (strips, for tickets) of a game that have been printed,
// exported or dealt, counted from 1. Every change to the history is made under a lock that
// holds across the threads and the processes of the user (the window, the phones' server,
// plumwick-print), so two dealers never take the same card and no game is lost; what this
// process recorded is remembered too. A card is dealt only once it is recorded: where the
// history can't be written, Take() deals nothing and says why.
struct TakenCards {
    int First = 0; // cards First .. First + count - 1 are the dealer's; 0 where none are
    QString Note;  // what the user must be told, as Add() says it
    bool Recorded = false; // the cards are in the history, so they are the dealer's
};
// Takes `count` cards of `game` (its code, list and options; its count is not read). With
// `from` above `seen` (the count the dealer's user saw) the cards are meant to be new: they
// start at `from` or after the last card had by now, whichever is later. With `from` at or
// below `seen` the user chose cards had before, on purpose (a lost card made again): they
// are taken as asked. Take(game, n) takes the next n cards no one has had.
TakenCards Take(const GameRecord& game, int count, int from = 1, int seen = 0);
// How many cards of the game have been had, at this moment.
int CardsHad(const QString& code);
// The secret that makes the check codes of a game's cards: the record's, or that of a game
// this process has just begun (NewSeed gives each new game one); empty for a game printed
// before check codes, whose cards carry none.
// The language a game's lines print in: the program's when the game was made, kept with it,
// so a game printed again reads as it did (English for games made before games kept it).
QString LanguageOf(const QString& code);
QString SecretOf(const QString& code);

// A seed for a new game whose code no game on this machine has had: the codes of every game
// recorded here are kept (GameCodes.txt beside the history) and a new one is checked
// against them and added at once. `codeOf` gives a seed's code.
std::uint32_t NewSeed(const std::function<QString(std::uint32_t)>& codeOf);
// The same for a game of these cards, and for a game of 90-ball tickets.
std::uint32_t NewCardSeed(const QStringList& words, const CardOptions& options);
std::uint32_t NewTicketSeed();
// The games printed from this list with this card size and free space, newest first.
QList<GameRecord> GamesOf(const QStringList& words, const CardOptions& options);

GameSource LoadGame(const GameRecord& game);
GameSource ListSource(const QStringList& words, const CardOptions& options);

// Where the caller keeps the calls of a game or a list (by a key of its own: a game code or
// "list-" and 12 hex digits; empty for anything else). Writes are atomic.
QString CallsPath(const QString& key);
// The calls saved for a game or list: a draw of its words with them made, or a draw with
// none where nothing (readable, fitting these words) is saved.
CallerDraw SavedCalls(const GameSource& source);
void SaveCalls(const GameSource& source, const CallerDraw& calls);
// The prizes a game is played for and their winners, kept beside its calls (Prizes-KEY.json);
// none where nothing readable is kept. Saving no prizes removes the file.
PrizeRound SavedPrizes(const GameSource& source);
void SavePrizes(const GameSource& source, const PrizeRound& round);
// The game's log (the calls' times, the claims confirmed and cleared), beside its calls as
// Log-KEY.json; raises PlatformError when it can't be written.
GameLog SavedLog(const GameSource& source);
void SaveLog(const GameSource& source, const GameLog& log);
// Its record as saved: the calls (with their times where the log has them), the prizes and
// their winners with their cards, the claims. Raises PlatformError when the game's list
// can't be read.
GameRecordSheet RecordSheet(const GameSource& source);

} // namespace GameHistory
