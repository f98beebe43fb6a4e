#include "settings/GameHistory.h"
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "settings/DataFolders.h"

#include "words/WordList.h"
#include "words/WordListFormat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString HistoryPath()
{
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("Games.json"));
}

QJsonObject ToJson(const GameRecord& g)
{
    return {{QStringLiteral("code"), g.Code},
            {QStringLiteral("list"), g.ListFile},
            {QStringLiteral("cards"), g.Cards},
            {QStringLiteral("size"), g.Options.SizeIndex},
            {QStringLiteral("freeSpace"), g.Options.FreeSpace},
            {QStringLiteral("freeSpaceText"), g.Options.FreeSpaceText},
            {QStringLiteral("heading"), g.Options.Heading},
            {QStringLiteral("headingText"), g.Options.HeadingText},
            {QStringLiteral("wordWrap"), g.Options.WordWrap}};
}

GameRecord FromJson(const QJsonObject& o)
{
    GameRecord g;
    g.Code = o.value(QStringLiteral("code")).toString();
    g.ListFile = o.value(QStringLiteral("list")).toString();
    g.Cards = o.value(QStringLiteral("cards")).toInt();
    g.Options.SizeIndex = o.value(QStringLiteral("size")).toInt(1);
    g.Options.FreeSpace = o.value(QStringLiteral("freeSpace")).toBool(true);
    g.Options.FreeSpaceText = o.value(QStringLiteral("freeSpaceText")).toString(QStringLiteral("Free Space"));
    g.Options.Heading = o.value(QStringLiteral("heading")).toBool(true);
    g.Options.HeadingText = o.value(QStringLiteral("headingText")).toString(QStringLiteral("BINGO"));
    g.Options.WordWrap = o.value(QStringLiteral("wordWrap")).toBool(true);
    return g;
}

} // namespace

namespace GameHistory {

QList<GameRecord> Read()
{
    QList<GameRecord> games;
    try {
        const QJsonDocument doc = QJsonDocument::fromJson(TextFile::ReadAll(HistoryPath()));
        for (const QJsonValue& v : doc.array())
            if (v.isObject() && !v.toObject().value(QStringLiteral("code")).toString().isEmpty())
                games << FromJson(v.toObject());
    } catch (const PlatformError&) {
    }
    return games.mid(0, MaxGames);
}

void Add(const GameRecord& game)
{
    QList<GameRecord> games = Read();
    games.removeIf([&](const GameRecord& g) { return g.Code == game.Code; });
    games.prepend(game);
    QJsonArray array;
    for (const GameRecord& g : games.mid(0, MaxGames))
        array.append(ToJson(g));
    try {
        QDir().mkpath(UserDataFolder()); // plumwick-print may run before the program ever has
        TextFile::WriteAll(HistoryPath(), QJsonDocument(array).toJson());
    } catch (const PlatformError&) {
        // Only the history is lost; the cards are printed.
    }
}

std::optional<GameRecord> Find(const QString& code)
{
    for (const GameRecord& g : Read())
        if (g.Code == code)
            return g;
    return std::nullopt;
}

QString CallsPath(const QString& key)
{
    const QString folder = UserDataFolder();
    if (folder.isEmpty())
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
    WordList words;
    words.InsertMany(ReadWordListFile(game.ListFile));
    return {QStringLiteral("Game %1 (%2)").arg(game.Code, QFileInfo(game.ListFile).completeBaseName()), game.Code,
            game.Code, words.Items(), game.Options, game.Cards};
}

GameSource ListSource(const QStringList& words, const CardOptions& options)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& word : words)
        hash.addData((word + u'\n').toUtf8());
    return {QStringLiteral("The current list"), QStringLiteral("list-") + QString::fromLatin1(hash.result().toHex().left(12)),
            QString(), words, options, 0};
}

} // namespace GameHistory
