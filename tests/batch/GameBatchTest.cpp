// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// plumwick-print's numbered games: the code on standard output, the same cards printed
// again from the code, and the check of a claimed card with its exit status.
#include "support/PrintProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Result = PrintRun;

class GameBatchTest : public ::testing::Test {
protected:
    Result Print(const QStringList& arguments) { return RunPlumwickPrint(Folder, arguments); }
    QString Numbers() { return WriteNumbersList(Folder); }
    // The words of each card of a PDF as text, card by card (the footer line ends a card).
    QStringList CardsIn(const QString& pdf)
    {
        return ToolOutput("pdftotext", {"-raw", Folder.Path(pdf), "-"}).split(QRegularExpression("Card \\d+ \u00b7 Game \\S+ \u00b7 Check [A-Z]{5}"),
                                                                   Qt::SkipEmptyParts);
    }
    TempFolder Folder;
};

} // namespace

TEST_F(GameBatchTest, AGameIsPrintedAgainAndCheckedFromItsCode)
{
    const QString list = Numbers();
    const Result game = Print({"-q", "--numbered", "--cards", "6", "--per-page", "2", "-o", "game.pdf", list});
    ASSERT_EQ(game.Status, 0) << game.Err.toStdString();
    const QRegularExpressionMatch m = QRegularExpression("^Game code: ([0-9A-Z]{4}-[0-9A-Z]{4})\n$").match(game.Out);
    ASSERT_TRUE(m.hasMatch()) << game.Out.toStdString();
    const QString code = m.captured(1);
    const QStringList printed = CardsIn("game.pdf");

    // The same cards again from the code, in another run.
    ASSERT_EQ(Print({"-q", "--game", code, "--cards", "6", "--per-page", "2", "-o", "again.pdf", list}).Status, 0);
    EXPECT_EQ(CardsIn("again.pdf"), printed);
    EXPECT_EQ(printed.size(), 7); // six cards and what follows the last footer

    // Each card re-made by the checker holds the printed card's words (nothing called yet).
    Folder.Write("none.pwk", "");
    QStringList card2Rows;
    for (int n = 1; n <= 6; ++n) {
        const Result r = Print({"--check", code, "--card", QString::number(n), "--called", Folder.Path("none.pwk"), list});
        ASSERT_EQ(r.Status, 4) << r.Err.toStdString();
        QStringList lines = r.Out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1 + 5 + 1); // heading, five rows, the verdict
        QStringList remade = lines.mid(0, 6).join('\t').remove('*').split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QStringList onPaper = printed[n - 1].split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        remade.sort();
        onPaper.sort();
        EXPECT_EQ(remade, onPaper) << "card " << n;
        if (n == 2)
            card2Rows = lines.mid(1, 5);
    }

    // Card 2: its first row called makes a bingo; one fewer does not.
    const QStringList firstRow = card2Rows[0].split('\t');
    Folder.Write("called.pwk", (firstRow.join("\r\n") + "\r\n").toUtf8());
    const Result bingo = Print({"--check", code, "--card", "2", "--called", Folder.Path("called.pwk"), list});
    EXPECT_EQ(bingo.Status, 0) << bingo.Err.toStdString();
    EXPECT_TRUE(bingo.Out.endsWith("Bingo: row 1\n")) << bingo.Out.toStdString();
    EXPECT_TRUE(bingo.Out.contains(firstRow.join("*\t") + "*\n")) << bingo.Out.toStdString();
    Folder.Write("called.pwk", (firstRow.mid(0, 4).join("\r\n") + "\r\n").toUtf8());
    const Result notYet = Print({"--check", code, "--card", "2", "--called", Folder.Path("called.pwk"), "--pattern", "line", list});
    EXPECT_EQ(notYet.Status, 4);
    EXPECT_TRUE(notYet.Out.endsWith("No bingo yet: 1 word missing for the best line\n"));
    // A named shape, and the host's own pattern from their Patterns.txt (listed by --patterns).
    Folder.Write("home/Plumwick/Patterns.txt", "Top row\nXXXX.\n.....\n.....\n.....\n.....\n");
    const Result own = Print({"--check", code, "--card", "2", "--called", Folder.Path("called.pwk"), "--pattern", "top row", list});
    EXPECT_EQ(own.Status, 0) << own.Err.toStdString();
    EXPECT_TRUE(own.Out.endsWith("Bingo: Top row\n")) << own.Out.toStdString();
    const Result stamp = Print({"--check", code, "--card", "2", "--called", Folder.Path("called.pwk"), "--pattern", "postage-stamp", list});
    EXPECT_EQ(stamp.Status, 4);
    EXPECT_TRUE(stamp.Out.endsWith("No bingo yet: 2 words missing for Postage stamp\n")) << stamp.Out.toStdString();
    const Result listed = Print({"--patterns"});
    EXPECT_EQ(listed.Status, 0);
    EXPECT_TRUE(listed.Out.contains("crazy-l             Crazy L, on 5 x 5 cards, any way round\n")) << listed.Out.toStdString();
    EXPECT_TRUE(listed.Out.endsWith("\"Top row\"           Top row, on 5 x 5 cards\n")) << listed.Out.toStdString();
    // A card's web page offers it beside the named shapes.
    QDir(Folder.Path()).mkdir("web");
    ASSERT_EQ(Print({"-q", "--export", "web", "--format", "html", list}).Status, 0);
    const QByteArray page = Folder.Read("web/card-0001.html");
    EXPECT_TRUE(page.contains("<option value=\"Top row\" data-ways=\"0,1,2,3\">Top row</option>"));
    EXPECT_TRUE(page.contains("<option value=\"postage-stamp\" data-ways=\"0,1,5,6;3,4,8,9;18,19,23,24;15,16,20,21\">"));

    struct Case {
        QStringList arguments;
        int status;
        QString message;
    };
    QString mistyped = code;
    mistyped[0] = mistyped[0] == 'A' ? 'B' : 'A';
    Folder.Write("other.pwk", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\nm\r\nn\r\no\r\np\r\nq\r\nr\r\ns\r\nt\r\nu\r\nv\r\nw\r\nx\r\ny\r\n");
    const QString called = Folder.Path("called.pwk");
    const Case cases[] = {
        {{"--check", code, "--card", "7", "--called", called, list}, 1, "Game " + code + " has 6 cards; there is no card 7."},
        {{"--check", mistyped, "--card", "1", "--called", called, list}, 1, mistyped + " is not the code of a game: a character is mistyped."},
        {{"--check", "HELLO", "--card", "1", "--called", called, list}, 1, "HELLO is not a game code (eight letters and digits, as K7F2-9QXA)"},
        {{"--check", code, "--card", "1", "--called", called, Folder.Path("other.pwk")}, 1, "This card was printed from another word list."},
        {{"--check", code, "--card", "1", list}, 2, "--check needs --card N and --called FILE (try --help)"},
        {{"--check", code, "--card", "1", "--called", called, "--pattern", "zigzag", list}, 2,
         "invalid value for --pattern: 'zigzag' (--patterns lists the patterns) (try --help)"},
    };
    for (const Case& c : cases) {
        const Result r = Print(c.arguments);
        EXPECT_EQ(r.Status, c.status) << c.arguments.join(' ').toStdString();
        if (!c.message.isEmpty())
            EXPECT_EQ(r.Err, "plumwick-print: " + c.message);
    }

    // A computer without the game's record checks any card a game can print, card 100000
    // among them, and says beside the verdict what it cannot confirm.
    QFile::remove(Folder.Path("home/Plumwick/Games.json"));
    const Result unknown = Print({"--check", code, "--card", "100000", "--called", called, list});
    EXPECT_EQ(unknown.Status, 4) << unknown.Err.toStdString();
    EXPECT_TRUE(unknown.Out.contains(QRegularExpression("\nNo bingo yet: \\d words? missing for the best line\nThis "
                                                        "computer has no record of game " + code +
                                                        ", so it cannot confirm how many cards the game has.\n$")))
        << unknown.Out.toStdString();
}

TEST_F(GameBatchTest, AListThatCannotGiveEnoughCardsPrintsNothing)
{
    QByteArray nine;
    for (const char* w : {"a", "b", "c", "d", "e", "f", "g", "h", "i"})
        nine += QByteArray(w) + "\r\n";
    nine += "a\r\n"; // a repeated word: the different cards can't be counted
    Folder.Write("nine.pwk", nine);
    const Result r = Print({"-q", "--numbered", "--size", "3", "--no-free-space", "--cards", "2", "-o", "n.pdf",
                         Folder.Path("nine.pwk")});
    EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
    Folder.Write("same.pwk", QByteArray("x\r\n").repeated(9));
    const Result same = Print({"-q", "--numbered", "--size", "3", "--no-free-space", "--cards", "2", "-o", "s.pdf",
                            Folder.Path("same.pwk")});
    EXPECT_EQ(same.Status, 1);
    EXPECT_EQ(same.Err, "plumwick-print: This word list gives only 1 different card.");
    EXPECT_FALSE(QFile::exists(Folder.Path("s.pdf")));
    // Eight x and a y give 9 different cards on 3 x 3: asked for all 9 at 4 a page, the
    // message says why 12 were needed.
    Folder.Write("xy.pwk", QByteArray("x\r\n").repeated(8) + "y\r\n");
    const Result rounded = Print({"-q", "--numbered", "--size", "3", "--no-free-space", "--cards", "9", "--per-page", "4",
                                  "-o", "e.pdf", Folder.Path("xy.pwk")});
    EXPECT_EQ(rounded.Status, 1);
    EXPECT_EQ(rounded.Err, "plumwick-print: This word list gives only 9 different cards. 9 cards at 4 a page print as 12, "
                           "since every page is full.");
    Folder.Write("eight.pwk", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n");
    // A check with nothing called yet reads /dev/null as empty.
    const Result none = Print({"-q", "--numbered", "--size", "3", "--free-space", "--cards", "2", "-o", "e.pdf",
                               Folder.Path("eight.pwk")});
    const QString code = none.Out.trimmed().section(' ', 2);
    const Result check = Print({"--check", code, "--card", "1", "--called", "/dev/null", "--size", "3", "--free-space",
                                Folder.Path("eight.pwk")});
    EXPECT_EQ(check.Status, 4) << check.Err.toStdString();
}
