// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Seeded jobs print byte for byte what they printed before the later additions to the
// program; every addition is opt-in, so with it off nothing on paper may change.
#include "game/CheckCode.h"
#include "game/GameCode.h"
#include "game/GameLog.h"
#include "game/Prizes.h"
#include "support/PrintProcess.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// The PDFs depend on the fonts, on Qt's text shaping and on libdeflate: the recorded hashes
// hold for these package versions (Debian 12). They were recorded again once, when the PDF
// printer began writing its files itself (text a line at a time, pages compressed beside
// the drawing) instead of through Qt's PDF engine, and again when its pages asked for
// stroke adjustment and its fonts left their hinting programs out (Ghostscript drew the
// grid smeared and spaced letters unevenly), and when its text went in more compactly
// (lines moved to from the one before, glyph numbers as bytes).
const char* const RecordedWith = "fonts-liberation=1:1.07.4-11 libdeflate0=1.14-1 libqt6gui6=6.4.2+dfsg-10";

QString InstalledVersions()
{
    QProcess dpkg;
    dpkg.start("dpkg-query", {"-W", "-f", "${Package}=${Version} ", "fonts-liberation", "libdeflate0", "libqt6gui6"});
    dpkg.waitForFinished(30000);
    return QString::fromUtf8(dpkg.readAllStandardOutput()).trimmed();
}

// The fonts the jobs were recorded with, and only those, through a font configuration of
// the test's own: fonts-liberation's files (a builder may have fonts-liberation2's beside
// them, which fontconfig would prefer) and DejaVu's, with the system's usual aliases.
class PinnedFonts {
public:
    explicit PinnedFonts(const TempFolder& folder)
    {
        folder.Write("fonts.conf", "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                   "<fontconfig>\n<dir>/usr/share/fonts/truetype/liberation</dir>\n"
                                   "<dir>/usr/share/fonts/truetype/dejavu</dir>\n<cachedir>" +
                                       folder.Path("fontcache").toUtf8() +
                                       "</cachedir>\n<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                                       "</fontconfig>\n");
        qputenv("FONTCONFIG_FILE", folder.Path("fonts.conf").toLocal8Bit());
    }
    ~PinnedFonts() { qunsetenv("FONTCONFIG_FILE"); }
    PinnedFonts(const PinnedFonts&) = delete;
    PinnedFonts& operator=(const PinnedFonts&) = delete;
};

} // namespace

TEST(RecordedOutput, SeededJobsAreByteIdentical)
{
    if (InstalledVersions() != RecordedWith)
        GTEST_SKIP() << "recorded with " << RecordedWith << ", this machine has " << InstalledVersions().toStdString();
    TempFolder folder;
    const PinnedFonts fonts(folder);
    WriteNumbersList(folder); // the list is sorted when read: the order in the file does not matter
    folder.Write("zoo.pwk", "Lion\r\nTiger King\r\nA very long phrase for a cell\r\nGiraffe\r\nZebra\r\nOkapi\r\n"
                            "Elephant\r\nRhino\r\nHippo\r\n");
    struct Job {
        QStringList arguments;
        const char* sha256;
    };
    const Job jobs[] = {
        {{"--seed", "7", "--cards", "9", "--per-page", "4", "-o", "a.pdf", "numbers.pwk"},
         "55a5e5ea5879eb65be2c89a670075fa0c5051d16bc74db911f2d96311746e205"},
        {{"--seed", "7", "--call-list", "-o", "c.pdf", "numbers.pwk"},
         "b188f898b7c6a7e06a3f81470a82076dd4c1e6d241de8dcbd2103069d86cbd84"},
        {{"--seed", "3", "--size", "3", "--no-free-space", "--cards", "3", "--per-page", "2", "-o", "z.pdf", "zoo.pwk"},
         "8503f799c5b24e4777651df66c2a284cb8dfba2f2ff3a8249a04e2dcba49f9f1"},
    };
    // Every way of having the additions off: no settings at all; a settings file in which
    // every section the additions keep says "off" (or names nothing for this printer, or an
    // address for a sharing that is not on); the switches given as options; and the program
    // in another language, whose pages stay as they were.
    struct Setting {
        const char* name;
        QByteArray settings;
        QStringList extra;
        QByteArray language;
        bool evening = false; // the host's patterns, a game's prizes and log kept in the data folder
        bool plainDesign = false; // a design beside each list that chooses nothing
    };
    const Setting settings[] = {
        {"no settings", "", {}, {}},
        {"additions off in the settings",
         "[Options]\r\nCardSize=1\r\n[Game]\r\nNumberCards=0\r\nReadAloud=0\r\n[Look]\r\nSameTextSize=0\r\n"
         "[Paper]\r\nLaser=Legal\r\n[Folders]\r\nLists=/tmp\r\n[Recent]\r\nFile1=/tmp/x.pwk\r\n"
         "[Share]\r\nAddress=127.0.0.1\r\n[RoomDisplay]\r\nJoin=2\r\n[Tickets]\r\nPlay=0\r\nTraditionalCalls=1\r\n[AutoCall]\r\nSeconds=12\r\n"
         "[Card Design]\r\nTitle=Only for new lists\r\nTint=#eef5fb\r\n",
         {}, {}},
        {"additions off as options", "", {"--no-same-text-size"}, {}},
        {"the host's patterns, prizes and a game's log kept", "", {}, {}, true},
        {"a design beside the list that chooses nothing", "", {}, {}, false, true},
        {"in German", "", {}, "de"},
        {"in Spanish", "", {}, "es"},
    };
    for (const Setting& setting : settings) {
        folder.Write("home/Plumwick/Options.ini", setting.settings);
        for (const char* kept : {"Patterns.txt", "Prizes-K7F2-9QXA.json", "Log-K7F2-9QXA.json"})
            QFile::remove(folder.Path(QStringLiteral("home/Plumwick/") + kept));
        if (setting.evening) {
            folder.Write("home/Plumwick/Patterns.txt", "Corner hook\nany way round\nXX.\nX..\n...\n");
            folder.Write("home/Plumwick/Prizes-K7F2-9QXA.json", PrizeRound(PrizeRound::Usual(false)).Save());
            GameLog log;
            log.Called("12", QDateTime::currentDateTimeUtc());
            folder.Write("home/Plumwick/Log-K7F2-9QXA.json", log.Save());
        }
        for (const char* design : {"numbers.design", "zoo.design"}) {
            QFile::remove(folder.Path(design));
            if (setting.plainDesign)
                folder.Write(design, "[Card Design]\r\nTitle=\r\nFooter=\r\nGrid=\r\nTint=not a colour\r\nLogo=\r\n");
        }
        if (setting.language.isEmpty())
            qunsetenv("LANGUAGE");
        else
            qputenv("LANGUAGE", setting.language);
        for (const Job& job : jobs) {
            const PrintRun run = RunPlumwickPrint(folder, setting.extra + job.arguments);
            ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
            const QString output = job.arguments[job.arguments.indexOf("-o") + 1];
            EXPECT_EQ(QCryptographicHash::hash(folder.Read(output), QCryptographicHash::Sha256).toHex().toStdString(), job.sha256)
                << setting.name << ": " << job.arguments.join(' ').toStdString();
        }
    }
    qunsetenv("LANGUAGE");
    // Turned on, a switch or a design does change the page: the comparison above can tell.
    folder.Write("zoo.design", "[Card Design]\r\nTint=#eef5fb\r\n");
    ASSERT_EQ(RunPlumwickPrint(folder, jobs[2].arguments).Status, 0);
    EXPECT_NE(QCryptographicHash::hash(folder.Read("z.pdf"), QCryptographicHash::Sha256).toHex(), jobs[2].sha256);
    QFile::remove(folder.Path("zoo.design"));
    folder.Write("home/Plumwick/Options.ini", "[Look]\r\nSameTextSize=1\r\n");
    ASSERT_EQ(RunPlumwickPrint(folder, jobs[2].arguments).Status, 0);
    EXPECT_NE(QCryptographicHash::hash(folder.Read("z.pdf"), QCryptographicHash::Sha256).toHex(), jobs[2].sha256);
}

// A game printed again with a seed gives the same bytes run after run (its card footers
// once made the PDF's font order follow Qt's random hash seed).
TEST(RecordedOutput, AGamePrintedAgainIsByteIdenticalEachRun)
{
    TempFolder folder;
    WriteNumbersList(folder);
    const PrintRun game = RunPlumwickPrint(folder, {"-q", "--numbered", "--cards", "4", "-o", "n.pdf", "numbers.pwk"});
    ASSERT_EQ(game.Status, 0) << game.Err.toStdString();
    const QString code = game.Out.trimmed().section(' ', 2);
    QSet<QByteArray> seen;
    for (int run = 0; run < 8; ++run) {
        ASSERT_EQ(RunPlumwickPrint(folder, {"-q", "--game", code, "--seed", "5", "--cards", "4", "-o", "g.pdf", "numbers.pwk"})
                      .Status,
                  0);
        seen << QCryptographicHash::hash(folder.Read("g.pdf"), QCryptographicHash::Sha256);
    }
    EXPECT_EQ(seen.size(), 1);
}

// A numbered game's cards carry their check codes: the one change of bytes they made,
// recorded for a game whose record keeps a known secret. Replayed without its record (on
// another computer), the same game prints its cards as before check codes.
TEST(RecordedOutput, ANumberedGamesCardsCarryTheirCheckCodes)
{
    TempFolder folder;
    const PinnedFonts fonts(folder);
    WriteNumbersList(folder);
    const PrintRun game = RunPlumwickPrint(folder, {"-q", "--numbered", "--cards", "4", "-o", "n.pdf", "numbers.pwk"});
    ASSERT_EQ(game.Status, 0) << game.Err.toStdString();
    // The same list's game of a seed fixed here, so that its bytes can be recorded.
    const QString made = game.Out.trimmed().section(' ', 2);
    const QString code = GameCode{4242, ParseGameCode(made)->Shape}.Text();
    const QString secret = QStringLiteral("00112233445566778899aabbccddeeff");
    QByteArray record = folder.Read("home/Plumwick/Games.json");
    record.replace(QRegularExpression("\"secret\": \"[0-9a-f]{32}\"").match(QString::fromUtf8(record)).captured(0).toUtf8(),
                   "\"secret\": \"" + secret.toLatin1() + "\"");
    record.replace(made.toLatin1(), code.toLatin1());
    ASSERT_TRUE(record.contains(secret.toLatin1()));
    QFile::remove(folder.Path("home/Plumwick/Games.json"));
    const auto print = [&](const QString& output) {
        const PrintRun run = RunPlumwickPrint(folder, {"-q", "--game", code, "--seed", "5", "--cards", "4", "--per-page", "4",
                                                       "-o", output, "numbers.pwk"});
        EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
        return ToolOutput("pdftotext", {folder.Path(output), "-"});
    };
    const QString before = print("before.pdf");
    EXPECT_TRUE(before.contains("Card 4 · Game " + code + "\n")) << before.toStdString();
    folder.Write("home/Plumwick/Games.json", record);
    const QString text = print("g.pdf");
    for (int card = 1; card <= 4; ++card)
        EXPECT_TRUE(text.contains(QStringLiteral("Card %1 · Game %2 · Check %3").arg(card).arg(code, CheckCode::Of(secret, card))))
            << text.toStdString();
    const QByteArray hash = QCryptographicHash::hash(folder.Read("g.pdf"), QCryptographicHash::Sha256).toHex();
    if (InstalledVersions() == RecordedWith) {
        EXPECT_EQ(hash, "75146179a52360dc71cf2f430e22003ef87e05b8e01bd1c0a4b35bd200a2aac2") << hash.toStdString();
    }
}
