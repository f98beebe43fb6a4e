#pragma once
#include "card/CardOptions.h"

#include <QList>
#include <QString>
#include <optional>

// The last 20 numbered games printed, newest first, for the caller and the checker: the
// code, the list file, the card options and the count. Kept as Games.json in the per-user
// data folder, written whole through a temporary file. A file that can't be read is an
// empty history; one that can't be written loses only the history.
struct GameRecord {
    QString Code;
    QString ListFile;
    CardOptions Options;
    int Cards = 0;
};

namespace GameHistory {

inline constexpr int MaxGames = 20;

QList<GameRecord> Read();
void Add(const GameRecord& game);
std::optional<GameRecord> Find(const QString& code);

// Where the caller keeps the calls of a game or a list (by a key of its own), and whether a
// save is there. Writes are atomic.
QString CallsPath(const QString& key);

} // namespace GameHistory
