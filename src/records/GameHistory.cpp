// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "records/GameHistory.h"
#include "settings/DesignFile.h"
#include "platform/Translations.h"
#include "platform/FileLock.h"
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "platform/Paths.h"
#include "settings/DataFolders.h"
#include "game/CheckCode.h"
#include "game/GameCode.h"
#include "game/NinetyBall.h"
#include "game/NumberedGame.h"

#include "words/WordList.h"
#include "words/WordListFormat.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace {

QString HistoryPath()
{
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("Games.json"));
}

// The lock every change of the history takes, and the file of every code ever recorded.
QString LockPath()
{
    const QString path = HistoryPath();
    if (path.isEmpty())
        return {};
    QDir().mkpath(UserDataFolder()); // plumwick-print may deal before the program ever ran
    return path + QStringLiteral(".lock");
}

QString CodesPath()
{
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("GameCodes.txt"));
}

// What this process has dealt and the codes it has given, by code, for the history where it
// is now: kept while that history can't be written. Guarded by the history's lock.
QHash<QString, int>& DealtHere()
{
    static QHash<QString, QHash<QString, int>> dealt;
    return dealt[HistoryPath()];
}

// The secrets of the games this process began, until their records keep them. Guarded by
// the history's lock.
QHash<QString, QString>& NewSecrets()
{
    static QHash<QString, QHash<QString, QString>> secrets;
    return secrets[HistoryPath()];
}

// The languages of the games this process began, as their secrets.
QHash<QString, QString>& NewLanguages()
{
    static QHash<QString, QHash<QString, QString>> languages;
    return languages[HistoryPath()];
}

QJsonObject ToJson(const GameRecord& g)
{
    QJsonObject o = g.Tickets ? QJsonObject{{QStringLiteral("code"), g.Code}, {QStringLiteral("kind"), QStringLiteral("tickets")},
                                            {QStringLiteral("strips"), g.Cards}}
                              : QJsonObject{{QStringLiteral("code"), g.Code},
            {QStringLiteral("list"), g.ListFile},
            {QStringLiteral("cards"), g.Cards},
            {QStringLiteral("size"), g.Options.SizeIndex},
            {QStringLiteral("freeSpace"), g.Options.FreeSpace},
            {QStringLiteral("freeSpaceText"), g.Options.FreeSpaceText},
            {QStringLiteral("heading"), g.Options.Heading},
            {QStringLiteral("headingText"), g.Options.HeadingText},
            {QStringLiteral("wordWrap"), g.Options.WordWrap}};
    if (!g.Secret.isEmpty())
        o.insert(QStringLiteral("secret"), g.Secret);
    if (!g.Language.isEmpty())
        o.insert(QStringLiteral("language"), g.Language);
    return o;
}

GameRecord FromJson(const QJsonObject& o)
{
    GameRecord g;
    g.Code = o.value(QStringLiteral("code")).toString();
    g.ListFile = o.value(QStringLiteral("list")).toString();
    g.Cards = o.value(QStringLiteral("cards")).toInt();
    g.Tickets = o.value(QStringLiteral("kind")).toString() == QStringLiteral("tickets");
    if (g.Tickets)
        g.Cards = o.value(QStringLiteral("strips")).toInt();
    g.Options.SizeIndex = o.value(QStringLiteral("size")).toInt(1);
    g.Options.FreeSpace = o.value(QStringLiteral("freeSpace")).toBool(true);
    g.Options.FreeSpaceText = o.value(QStringLiteral("freeSpaceText")).toString(QStringLiteral("Free Space"));
    g.Options.Heading = o.value(QStringLiteral("heading")).toBool(true);
    g.Options.HeadingText = o.value(QStringLiteral("headingText")).toString(QStringLiteral("BINGO"));
    g.Options.WordWrap = o.value(QStringLiteral("wordWrap")).toBool(true);
    // Only a secret as the program makes it: 32 hexadecimal digits.
    static const QRegularExpression Secret(QStringLiteral("^[0-9a-f]{32}$"));
    if (const QString secret = o.value(QStringLiteral("secret")).toString(); Secret.match(secret).hasMatch())
        g.Secret = secret;
    // Only a language the program speaks.
    static const QStringList shipped = Translations::Shipped();
    if (const QString language = o.value(QStringLiteral("language")).toString(); shipped.contains(language))
        g.Language = language;
    return g;
}

} // namespace

namespace {

// A code as the program writes it: what a typed code must be, read back unchanged.
bool IsGameCode(const QString& text)
{
    const auto code = ParseGameCode(text);
    return code && code->Text() == text;
}

// The history as stored: its games, or why the file there can't be read.
struct StoredHistory {
    QList<GameRecord> Games;
    QString Unreadable; // the reason; empty when the file was read or is not there
};

StoredHistory ReadStored()
{
    StoredHistory stored;
    const QString path = HistoryPath();
    if (path.isEmpty() || !QFileInfo(path).exists())
        return stored;
    try {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(TextFile::ReadAll(path), &error);
        if (error.error != QJsonParseError::NoError)
            stored.Unreadable = error.errorString();
        else if (!doc.isArray())
            stored.Unreadable = QCoreApplication::translate("GameHistory", "it holds no list of games");
        for (const QJsonValue& v : doc.array()) {
            // Codes become file names: only what the program itself writes is taken.
            if (v.isObject() && IsGameCode(v.toObject().value(QStringLiteral("code")).toString()))
                stored.Games << FromJson(v.toObject());
        }
    } catch (const PlatformError& error) {
        stored.Unreadable = error.Reason();
    }
    stored.Games = stored.Games.mid(0, GameHistory::MaxGames);
    return stored;
}

} // namespace

namespace GameHistory {

QList<GameRecord> Read()
{
    return ReadStored().Games;
}

} // namespace GameHistory

namespace {

// What writing a game into the history came to: whether it is written, what the user must
// be told of the history itself (one kept aside), and, where it is not written, why.
struct Written {
    bool Done = false;
    QString Note;
    QString Why;
};

// Writes the game into the history, with the history's lock held.
Written WriteLocked(const GameRecord& game)
{
    const QString path = HistoryPath();
    StoredHistory stored = ReadStored();
    Written written;
    if (!stored.Unreadable.isEmpty()) {
        // Never written over: what can't be read may still be mended by hand.
        const QString aside = JoinPath(QFileInfo(path).absolutePath(),
                                       QStringLiteral("Games.unreadable-%1.json")
                                           .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
        if (!QFile::rename(path, aside)) {
            written.Why = QCoreApplication::translate("GameHistory", "the game history %1 can't be read (%2), and it could not be "
                                                                     "put aside")
                              .arg(path, stored.Unreadable);
            return written;
        }
        written.Note = QCoreApplication::translate("GameHistory", "The game history could not be read (%1). It was kept as %2 and a new history was "
                              "started.")
                   .arg(stored.Unreadable, aside);
        stored.Games.clear();
    }
    QList<GameRecord>& games = stored.Games;
    // A game printed again keeps what it was made with; its count is the most ever printed.
    GameRecord record = game;
    for (const GameRecord& known : games)
        if (known.Code == game.Code) {
            record = known;
            record.Cards = std::max(known.Cards, game.Cards);
        }
    if (record.Secret.isEmpty())
        record.Secret = NewSecrets().value(game.Code); // a game this process began
    if (record.Language.isEmpty())
        record.Language = NewLanguages().value(game.Code); // as its secret

    games.removeIf([&](const GameRecord& g) { return g.Code == game.Code; });
    games.prepend(record);
    QJsonArray array;
    for (const GameRecord& g : games.mid(0, GameHistory::MaxGames))
        array.append(ToJson(g));
    try {
        if (path.isEmpty())
            throw PlatformError(QCoreApplication::translate("GameHistory", "there is no folder for the program's data"));
        QDir().mkpath(UserDataFolder()); // plumwick-print may run before the program ever has
        TextFile::WriteAll(path, QJsonDocument(array).toJson());
    } catch (const PlatformError& error) {
        written.Why = error.Text();
        return written;
    }
    written.Done = true;
    return written;
}

// Add(), with the history's lock held.
QString AddLocked(const GameRecord& game)
{
    const Written written = WriteLocked(game);
    if (written.Done)
        return written.Note;
    const QString lost = QCoreApplication::translate("GameHistory", "Game %1 was not recorded in the game history (%2). The cards are printed "
                                                                    "and the code still makes them again, but Check a Card will not know the "
                                                                    "game until it is recorded.")
                             .arg(game.Code, written.Why);
    return written.Note.isEmpty() ? lost : written.Note + u' ' + lost;
}

// CardsHad(), with the history's lock held: the record's count, or what this process dealt.
int HadLocked(const QString& code)
{
    int had = DealtHere().value(code);
    for (const GameRecord& known : ReadStored().Games)
        if (known.Code == code)
            had = std::max(had, known.Cards);
    return had;
}

QSet<QString> KnownCodes()
{
    QSet<QString> codes;
    for (const GameRecord& game : ReadStored().Games)
        codes.insert(game.Code);
    for (auto at = DealtHere().cbegin(); at != DealtHere().cend(); ++at)
        codes.insert(at.key());
    const QString path = CodesPath();
    try {
        if (!path.isEmpty() && QFileInfo::exists(path))
            for (const QByteArray& line : TextFile::ReadAll(path).split('\n'))
                codes.insert(QString::fromLatin1(line.trimmed()));
    } catch (const PlatformError&) {
        // A list that can't be read holds no code: the history's own still count.
    }
    return codes;
}

} // namespace

namespace GameHistory {

QString Add(const GameRecord& game)
{
    FileLock lock(LockPath());
    DealtHere()[game.Code] = std::max(DealtHere().value(game.Code), game.Cards);
    return AddLocked(game);
}

TakenCards Take(const GameRecord& game, int count, int from, int seen)
{
    FileLock lock(LockPath());
    const int had = HadLocked(game.Code);
    TakenCards taken;
    taken.First = from > seen ? std::max(from, had + 1) : std::max(from, 1);
    GameRecord record = game;
    record.Cards = taken.First + std::max(count, 0) - 1;
    const Written written = WriteLocked(record);
    taken.Note = written.Note;
    if (!written.Done) {
        // Not dealt: the next dealer, in this process or another, would deal them again.
        const QString lost = QCoreApplication::translate("GameHistory", "No card of game %1 was dealt: the game history can't record "
                                                                        "it (%2), and a card it does not record would be dealt "
                                                                        "again.")
                                 .arg(game.Code, written.Why);
        taken.Note = taken.Note.isEmpty() ? lost : taken.Note + u' ' + lost;
        taken.First = 0;
        return taken;
    }
    taken.Recorded = true;
    DealtHere()[game.Code] = std::max(had, record.Cards);
    return taken;
}

std::uint32_t NewCardSeed(const QStringList& words, const CardOptions& options)
{
    const std::uint32_t shape = ShapeCheck(words, options.SizeIndex, options.FreeSpace);
    return NewSeed([shape](std::uint32_t seed) { return GameCode{seed, shape}.Text(); });
}

std::uint32_t NewTicketSeed()
{
    return NewSeed([](std::uint32_t seed) { return GameCode{seed, NinetyBall::TicketShape()}.Text(); });
}

namespace {

// What a game's record keeps (its secret, its language), else what this process gave a game
// it began and has not recorded yet.
QString KeptOr(const QString& code, QString GameRecord::*field, QHash<QString, QString>& (*begun)())
{
    FileLock lock(LockPath());
    for (const GameRecord& known : ReadStored().Games)
        if (known.Code == code)
            return known.*field;
    return begun().value(code);
}

} // namespace

QString LanguageOf(const QString& code)
{
    return KeptOr(code, &GameRecord::Language, NewLanguages);
}

QString SecretOf(const QString& code)
{
    return KeptOr(code, &GameRecord::Secret, NewSecrets);
}

int CardsHad(const QString& code)
{
    FileLock lock(LockPath());
    return HadLocked(code);
}

std::uint32_t NewSeed(const std::function<QString(std::uint32_t)>& codeOf)
{
    FileLock lock(LockPath());
    const QSet<QString> known = KnownCodes();
    // A list's codes are 2^20 seeds: a free one is found at once unless a million games of
    // one list were made here.
    for (int tries = 0;; ++tries) {
        const std::uint32_t seed = NewGameSeed();
        const QString code = codeOf(seed);
        if (known.contains(code) && tries < 100000)
            continue;
        if (known.contains(code))
            throw PlatformError(QCoreApplication::translate("GameHistory", "every game code of this list has been used on "
                                                                          "this computer"));
        DealtHere().insert(code, 0);
        NewSecrets().insert(code, CheckCode::NewSecret());
        NewLanguages().insert(code, Translations::Current());
        const QString path = CodesPath();
        try {
            if (!path.isEmpty()) {
                QByteArray codes = QFileInfo::exists(path) ? TextFile::ReadAll(path) : QByteArray();
                if (!codes.isEmpty() && !codes.endsWith('\n'))
                    codes += '\n';
                QDir().mkpath(UserDataFolder());
                TextFile::WriteAll(path, codes + code.toLatin1() + '\n');
            }
        } catch (const PlatformError&) {
            // Not kept for later: this process still never gives the code twice, and the
            // history's own write says what failed.
        }
        return seed;
    }
}

std::optional<GameRecord> Find(const QString& code)
{
    for (const GameRecord& g : Read())
        if (g.Code == code)
            return g;
    return std::nullopt;
}

QList<GameRecord> GamesOf(const QStringList& words, const CardOptions& options)
{
    const std::uint32_t shape = ShapeCheck(words, options.SizeIndex, options.FreeSpace);
    QList<GameRecord> games;
    for (const GameRecord& game : Read())
        if (const auto code = ParseGameCode(game.Code); !game.Tickets && code && code->Shape == shape)
            games << game;
    return games;
}

QString CallsPath(const QString& key)
{
    const QString folder = UserDataFolder();
    static const QRegularExpression ListKey(QStringLiteral("^list-[0-9a-f]{12}$"));
    if (folder.isEmpty() || !(IsGameCode(key) || ListKey.match(key).hasMatch()))
        return {};
    return JoinPath(folder, QStringLiteral("Calls-") + key + QStringLiteral(".txt"));
}

} // namespace GameHistory

namespace GameHistory {

CallerDraw SavedCalls(const GameSource& source)
{
    CallerDraw draw(source.Words);
    const QString path = CallsPath(source.Key);
    try {
        if (!path.isEmpty() && QFileInfo::exists(path))
            draw.Load(TextFile::ReadAll(path));
    } catch (const PlatformError&) {
        // Calls that can't be read are no calls.
    }
    return draw;
}

void SaveCalls(const GameSource& source, const CallerDraw& calls)
{
    const QString path = CallsPath(source.Key);
    if (!path.isEmpty())
        TextFile::WriteAll(path, calls.Save());
}

GameSource LoadGame(const GameRecord& game)
{
    if (game.Tickets)
        return {QCoreApplication::translate("GameHistory", "Game %1 (90-ball tickets)").arg(game.Code), game.Code, game.Code,
                NinetyBall::Numbers(), game.Options, game.Cards, true, {}};
    WordList words;
    words.InsertMany(ReadWordListFile(game.ListFile));
    return {QCoreApplication::translate("GameHistory", "Game %1 (%2)").arg(game.Code, QFileInfo(game.ListFile).completeBaseName()), game.Code,
            game.Code, words.Items(), game.Options, game.Cards, false, game.ListFile,
            QFileInfo(game.ListFile).absolutePath(), DesignFile::ForList(game.ListFile)};
}

GameSource ListSource(const QStringList& words, const CardOptions& options)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& word : words)
        hash.addData((word + u'\n').toUtf8());
    return {QCoreApplication::translate("GameHistory", "The current list"), QStringLiteral("list-") + QString::fromLatin1(hash.result().toHex().left(12)),
            QString(), words, options, 0};
}

} // namespace GameHistory
