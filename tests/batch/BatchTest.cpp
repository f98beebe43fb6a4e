// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchOptions.h"
#include "support/PrintProcess.h"
#include "support/Words.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int Status;
    QString Err;
};

// A word on a page, with its centre in points.
struct Word {
    double X, Y;
    QString Text;
};

// Runs plumwick-print in a folder of its own, with its own settings folder.
class BatchTest : public ::testing::Test {
protected:
    Outcome Print(const QStringList& arguments)
    {
        const PrintRun run = RunPlumwickPrint(Folder, arguments);
        return {run.Status, run.Err};
    }
    QString List(const QString& name, const QStringList& words)
    {
        Folder.Write(name, (words.join("\r\n") + "\r\n").toUtf8());
        return Folder.Path(name);
    }
    QString Numbers()
    {
        QStringList n;
        for (int i = 75; i >= 1; --i)
            n << QString::number(i);
        return List("numbers.pwk", n);
    }
    std::vector<std::vector<Word>> Pages(const QString& pdf, double* pageWidth = nullptr)
    {
        QProcess p;
        p.start("pdftotext", {"-bbox", pdf, "-"});
        p.waitForFinished(60000);
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        std::vector<std::vector<Word>> pages;
        static const QRegularExpression tag(
            R"RX(<page width="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)RX");
        for (auto it = tag.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            if (!m.captured(1).isEmpty()) {
                pages.emplace_back();
                if (pageWidth)
                    *pageWidth = m.captured(1).toDouble();
                continue;
            }
            pages.back().push_back({(m.captured(2).toDouble() + m.captured(4).toDouble()) / 2,
                                    (m.captured(3).toDouble() + m.captured(5).toDouble()) / 2, m.captured(6)});
        }
        return pages;
    }
    QByteArray Hash(const QString& name)
    {
        return QCryptographicHash::hash(Folder.Read(name), QCryptographicHash::Sha256);
    }
    TempFolder Folder;
};

QStringList Texts(const std::vector<Word>& words)
{
    QStringList t;
    for (const auto& w : words)
        t << w.Text;
    return t;
}

} // namespace

TEST(BatchOptions, BadValuesAreRefused)
{
    for (const QStringList& args : {QStringList{"--cards", "0", "l"}, {"--cards", "100000", "l"}, {"--size", "4", "l"},
                                    {"--per-page", "3", "l"}, {"--seed", "abc", "l"}, {"--seed", "-1", "l"},
                                    {"--cards=", "l"}, {"--bogus", "l"}, {}, {"a", "b"}, {"--no-heading=x", "l"},
                                    {"-o", "x.pdf", "-P", "p", "l"}, {"--cards"}, {"--record", "K7F2-9QXA", "l.pwk"},
                                    {"--record", "K7F2-9QXA", "-P", "p"}, {"--record"}}) {
        QString error;
        EXPECT_FALSE(ParseBatchOptions(args, error).has_value()) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(error.contains('\n'));
    }
    // Each refusal's own words.
    const std::pair<QStringList, QString> said[] = {
        {{"--per-page", "3", "l"}, "invalid value for --per-page: '3' (1, 2 or 4)"},
        {{"--format=gif", "l"}, "invalid value for --format: 'gif' (png, pdf or html)"},
        {{"--strips", "0", "--tickets"}, "invalid value for --strips: '0' (a whole number from 1 to 16666)"},
        {{"--no-free-space=x", "l"}, "option --no-free-space takes no value"},
        {{"--patterns=all"}, "option --patterns takes no value"},
        {{"--font"}, "option --font needs a value"},
        {{"-x", "l"}, "unknown option -x"},
        {{"--more", "l"}, "--more goes with --game, for cards or strips to print or export"},
        {{"--strips", "2", "l"}, "--strips and --strip go with --tickets"},
    };
    for (const auto& [args, words] : said) {
        QString error;
        EXPECT_FALSE(ParseBatchOptions(args, error).has_value());
        EXPECT_EQ(error, words) << args.join(' ').toStdString();
    }
    QString error;
    const auto bare = ParseBatchOptions({"--free-space=", "--heading", "--", "-list.pwk"}, error);
    ASSERT_TRUE(bare.has_value()) << error.toStdString();
    EXPECT_EQ(bare->FreeSpaceText, ""); // given, empty
    EXPECT_FALSE(bare->HeadingText.has_value());
    EXPECT_EQ(bare->ListFile, "-list.pwk");
    const auto o = ParseBatchOptions({"--cards=99999", "--per-page", "4", "--size", "7", "--free-space=FREE",
                                      "--no-heading", "--no-word-wrap", "--font", "DejaVu Sans", "--font-size", "12",
                                      "--paper", "A4", "--seed", "4294967295", "-q", "list.pwk"},
                                     error);
    ASSERT_TRUE(o.has_value()) << error.toStdString();
    EXPECT_EQ(o->Cards, 99999);
    EXPECT_EQ(o->PerPage, 4);
    EXPECT_EQ(o->SizeIndex, 2);
    EXPECT_EQ(o->FreeSpaceText, "FREE");
    EXPECT_EQ(o->Heading, false);
    EXPECT_EQ(o->WordWrap, false);
    EXPECT_EQ(o->FontName, "DejaVu Sans");
    EXPECT_EQ(o->Paper, "a4");
    EXPECT_EQ(o->Seed, 4294967295u);
    EXPECT_EQ(o->ListFile, "list.pwk");
}

TEST_F(BatchTest, ErrorsAndExitStatus)
{
    const Outcome usage = Print({"--size", "4", Numbers()});
    EXPECT_EQ(usage.Status, 2);
    EXPECT_EQ(usage.Err, "plumwick-print: invalid value for --size: '4' (3, 5 or 7) (try --help)");
    EXPECT_TRUE(Print({"--cards", "0", Numbers()}).Err.contains("(a whole number from 1 to 99999)"));

    const Outcome few = Print({"-o", "few.pdf", List("few.pwk", {"a", "b", "c"})});
    EXPECT_EQ(few.Status, 1);
    EXPECT_EQ(few.Err, "plumwick-print: few.pwk has 3 words; a 5 x 5 card with a free space needs 24.");
    EXPECT_EQ(Print({"--size", "3", "--no-free-space", List("few.pwk", {"a"})}).Err,
              "plumwick-print: few.pwk has 1 words; a 3 x 3 card needs 9.");

    const Outcome missing = Print({"-o", "none.pdf", Folder.Path("missing.pwk")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, "plumwick-print: " + Folder.Path("missing.pwk") + ": File not found.");

    const Outcome badOutput = Print({"-o", Folder.Path("no/such/out.pdf"), Numbers()});
    EXPECT_EQ(badOutput.Status, 1);
    EXPECT_EQ(badOutput.Err, "plumwick-print: " + Folder.Path("no/such/out.pdf") + ": Invalid filename.");

    // An empty name is refused, never taken as "the default" (LIST.pdf here); so are a
    // folder or a pipe given as the list, by what they are.
    for (const char* option : {"-o", "-P", "--export", "--called", "--game"}) {
        const Outcome empty = Print({option, "", Numbers()});
        EXPECT_EQ(empty.Status, 2) << option;
        EXPECT_EQ(empty.Err, QString("plumwick-print: option %1 needs a value, and it was empty (try --help)").arg(option));
    }
    EXPECT_EQ(Print({"-o", "f.pdf", Folder.Path()}).Err, "plumwick-print: " + Folder.Path() + ": This is a folder, not a file.");
    EXPECT_EQ(Print({"-o", "f.pdf", "/dev/zero"}).Err, "plumwick-print: /dev/zero: This is a device or a pipe, not a file.");

    EXPECT_EQ(QDir(Folder.Path()).entryList({"*.pdf"}), QStringList());
    EXPECT_EQ(Print({"--help"}).Status, 0);

    // After "--" nothing is an option, to Qt neither.
    List("-reverse.pwk", NumberWords(1, 30));
    const Outcome dashed = Print({"-q", "-o", "dashed.pdf", "--", "-reverse.pwk"});
    EXPECT_EQ(dashed.Status, 0) << dashed.Err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Folder.Path("dashed.pdf")));
}

// Files that are not word lists, and an output that is the input, are refused before
// anything is written: the file stays byte for byte as it was.
TEST_F(BatchTest, NeverWritesOverItsInput)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList arguments; // the list's path is appended
        QString message;
    };
    const QByteArray pdf = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< >>\nendobj\n";
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const Case cases[] = {
        {"cards.pdf", pdf, {}, "plumwick-print: cards.pdf is not a word list."},
        {"photo.png", png, {"-o", "photo.pdf"}, "plumwick-print: photo.png is not a word list."},
        {"list.pwk", "1\r\n2\r\n", {"-o", "list.pwk"}, ""},
        {"link.pwk", "1\r\n2\r\n", {"-o", "other.pdf"}, ""},
    };
    QFile::link(Folder.Path("link.pwk"), Folder.Path("other.pdf"));
    for (const Case& c : cases) {
        Folder.Write(c.name, c.bytes);
        const Outcome out = Print(c.arguments + QStringList{Folder.Path(c.name)});
        EXPECT_EQ(out.Status, 1) << c.name;
        if (!c.message.isEmpty())
            EXPECT_EQ(out.Err, c.message);
        else
            EXPECT_TRUE(out.Err.contains("is the word list " + Folder.Path(c.name) + " itself")) << out.Err.toStdString();
        EXPECT_EQ(Folder.Read(c.name), c.bytes) << c.name;
    }
}

TEST_F(BatchTest, SameSeedSameFileOtherSeedOtherCards)
{
    const QString list = Numbers();
    ASSERT_EQ(Print({"--seed", "42", "--cards", "8", "--per-page", "4", "-o", "a.pdf", list}).Status, 0);
    ASSERT_EQ(Print({"--seed", "42", "--cards", "8", "--per-page", "4", "-o", "b.pdf", list}).Status, 0);
    ASSERT_EQ(Print({"--seed", "43", "--cards", "8", "--per-page", "4", "-o", "c.pdf", list}).Status, 0);
    EXPECT_EQ(Hash("a.pdf"), Hash("b.pdf"));
    EXPECT_NE(Texts(Pages(Folder.Path("a.pdf"))[0]), Texts(Pages(Folder.Path("c.pdf"))[0]));
}

TEST_F(BatchTest, OptionsReachThePage)
{
    const QString list = Numbers();
    // 7 x 7 without heading, free space with its own text, 2 to a page, 3 cards: 2 pages.
    ASSERT_EQ(Print({"--size", "7", "--no-heading", "--free-space=FREE", "--cards", "3", "--per-page", "2",
                     "--paper", "a4", "-o", "seven.pdf", list})
                  .Status,
              0);
    double width = 0;
    const auto pages = Pages(Folder.Path("seven.pdf"), &width);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(width, 595.3, 0.5); // A4
    EXPECT_EQ(pages[0].size(), 2u * 49);
    EXPECT_EQ(Texts(pages[0]).count("FREE"), 2);
    EXPECT_FALSE(Texts(pages[0]).contains("B"));

    // The call list: every word in list order on one page.
    ASSERT_EQ(Print({"--call-list", "--paper", "letter", "-o", "calls.pdf", list}).Status, 0);
    double letterWidth = 0;
    const auto calls = Pages(Folder.Path("calls.pdf"), &letterWidth);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NEAR(letterWidth, 612, 0.5);
    EXPECT_EQ(Texts(calls[0]).first(), "1");
    EXPECT_EQ(Texts(calls[0])[1], "10");
    EXPECT_EQ(calls[0].size(), 75u);
}

TEST_F(BatchTest, DefaultsComeFromTheSettingsFile)
{
    Folder.Write("home/Plumwick/Options.ini", "[Options]\r\nCardSize=0\r\nTxtHeading=XYZ\r\nChkFreeSpace=0\r\n");
    ASSERT_EQ(Print({"-o", "three.pdf", Numbers()}).Status, 0);
    const auto page = Texts(Pages(Folder.Path("three.pdf"))[0]);
    EXPECT_EQ(page.size(), 3 + 9);
    EXPECT_EQ(page.mid(0, 3), (QStringList{"X", "Y", "Z"}));
    // The command line wins over the file.
    ASSERT_EQ(Print({"--heading=AB", "-o", "ab.pdf", Numbers()}).Status, 0);
    EXPECT_EQ(Texts(Pages(Folder.Path("ab.pdf"))[0]).mid(0, 2), (QStringList{"A", "B"}));
}

// Words in the world's scripts print as themselves, each in a font that has it; a character
// that no font can draw is named before the page is made, never a silent box.
TEST_F(BatchTest, EveryScriptPrintsAndABoxIsNamed)
{
    // Shaped into glyphs that stand for several letters: Devanagari's conjuncts (स्त, क्ष,
    // त्र with the vowel drawn before it), Arabic's lam-alef, Latin's "ffi".
    const QStringList world = {"apple", "\u65e5\u672c\u8a9e", "\ud55c\uad6d\uc5b4", "\u0928\u092e\u0938\u094d\u0924\u0947",
                               "\u0e20\u0e32\u0e29\u0e32\u0e44\u0e17\u0e22", "\u0633\u0644\u0627\u0645",
                               "\u05e9\u05dc\u05d5\u05dd", "office \u0915\u094d\u0937\u0924\u094d\u0930\u093f\u092f", "\U0001f389"};
    const Outcome clean = Print({"-q", "--size", "3", "--no-free-space", "-o", "world.pdf", List("world.pwk", world)});
    EXPECT_EQ(clean.Status, 0);
    const bool noto = !ToolOutput("fc-list", {":lang=ja"}).trimmed().isEmpty();
    if (noto) {
        EXPECT_EQ(clean.Err, "");
        // Read back as pdftotext gives it: compatibility forms folded (a CJK font maps 日 to
        // its Kangxi radical, Arabic comes as presentation forms) and direction marks removed;
        // every word comes back whole (the emoji face gives no text back at all: it is
        // checked by its face below). MuPDF reads the map alone, in the glyphs' order: the
        // words without a vowel drawn before its letter come back whole there too.
        // The same words on the call list and on a card exported as a PDF file of its own.
        ASSERT_EQ(Print({"-q", "--size", "3", "--no-free-space", "--call-list", "-o", "calls.pdf", List("world.pwk", world)}).Status, 0);
        ASSERT_TRUE(QDir().mkpath(Folder.Path("out")));
        ASSERT_EQ(Print({"-q", "--size", "3", "--no-free-space", "--export", Folder.Path("out"), "--format", "pdf",
                         "--seed", "5", List("world.pwk", world)})
                      .Status,
                  0);
        for (const char* file : {"world.pdf", "calls.pdf", "out/card-0001.pdf"}) {
            QString text = ToolOutput("pdftotext", {Folder.Path(file), "-"}).normalized(QString::NormalizationForm_KC);
            text.remove(QRegularExpression("[\u200e\u200f\u202a-\u202e]"));
            for (const QString& word : world.mid(0, world.size() - 1))
                EXPECT_TRUE(text.contains(word)) << file << ": " << word.toStdString();
        }
        if (!QStandardPaths::findExecutable("mutool").isEmpty()) {
            QString text = ToolOutput("mutool", {"draw", "-F", "txt", Folder.Path("calls.pdf")}).normalized(QString::NormalizationForm_KC);
            for (const QString& word : {world[3], world[5], QString("office")})
                EXPECT_TRUE(text.contains(word)) << "MuPDF: " << word.toStdString();
        }
        const QString fonts = ToolOutput("pdffonts", {Folder.Path("world.pdf")});
        for (const char* face : {"NotoSansCJK", "NotoSansThai", "NotoSansDevanagari"})
            EXPECT_TRUE(fonts.contains(face)) << face;
    }
    // An emoji prints from a face with outlines (monochrome): the colour emoji face's bitmaps
    // would leave the cell blank on paper.
    if (!ToolOutput("fc-list", {":family=Symbola"}).trimmed().isEmpty()) {
        EXPECT_TRUE(ToolOutput("pdffonts", {Folder.Path("world.pdf")}).contains("Symbola"));
        EXPECT_FALSE(ToolOutput("pdffonts", {Folder.Path("world.pdf")}).contains("NotoColorEmoji"));
        // Symbola has no bold: drawn bolder (filled and stroked), as the screen draws it.
        EXPECT_TRUE(ToolOutput("qpdf", {"--qdf", "--object-streams=disable", Folder.Path("world.pdf"), "-"}).contains("2 Tr "));
    }
    // A Chinese word prints in one face, bold, not partly in Symbola, which has 中 among its
    // symbols but no bold.
    ASSERT_EQ(Print({"-q", "--size", "3", "--no-free-space", "-o", "han.pdf",
                     List("han.pwk", {"a", "b", "c", "d", "e", "f", "g", "h", "\u5b66\u4e60\u4e2d\u6587"})})
                  .Status,
              0);
    EXPECT_FALSE(ToolOutput("pdffonts", {Folder.Path("han.pdf")}).contains("Symbola"));
    // A private-use character: no font has it; an emoji only the colour face has prints
    // blank. Said, with their codes; the job still prints.
    const Outcome boxed = Print({"-q", "--size", "3", "--no-free-space", "-o", "boxed.pdf",
                                 List("boxed.pwk", {"a", "b", "c", "d", "e", "f", "g", QString(QChar(0xE000)) + "x", "\U0001F9FF"})});
    EXPECT_EQ(boxed.Status, 0);
    EXPECT_TRUE(boxed.Err.startsWith("plumwick-print: warning: These words contain characters that no installed font can draw, and "
                                     "would print with empty boxes: ")) << boxed.Err.toStdString();
    EXPECT_TRUE(boxed.Err.contains("\u201c\ue000x\u201d (U+E000)"));
    if (!ToolOutput("fc-list", {":family=Noto Color Emoji"}).trimmed().isEmpty()) {
        EXPECT_TRUE(boxed.Err.contains("\u201c\U0001F9FF\u201d (U+1F9FF)")) << boxed.Err.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(Folder.Path("boxed.pdf")));
}
