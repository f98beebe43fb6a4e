// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Files in the encodings Windows users have, files that are no text at all, and settings
// files written back in the encoding they came in.
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"
#include "support/TempFolder.h"
#include "words/WordListFormat.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray Utf16(const QString& text, bool littleEndian)
{
    QStringEncoder encoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return QByteArray(littleEndian ? "\xff\xfe" : "\xfe\xff") + QByteArray(encoder.encode(text));
}

} // namespace

TEST(TextEncoding, ListsInEveryWindowsEncodingOpen)
{
    const QString text = QStringLiteral("caf\u00e9\r\n  \u20acuro \r\n\r\n\U0001F600\r\n");
    const QStringList words = {"caf\u00e9", "\u20acuro", "\U0001F600"};
    EXPECT_EQ(ParseWordList(Utf16(text, true)), words);
    EXPECT_EQ(ParseWordList(Utf16(text, false)), words);
    EXPECT_EQ(ParseWordList("\xef\xbb\xbf" + text.toUtf8()), words);
    EXPECT_EQ(ParseWordList(text.toUtf8()), words);
    // A second mark inside a UTF-16 file is text, as it is in UTF-8.
    EXPECT_EQ(ParseWordList(Utf16(QStringLiteral("\ufeffa\r\n"), true)), QStringList{QStringLiteral("\ufeffa")});
}

TEST(TextEncoding, FilesThatAreNoText)
{
    struct Case {
        QByteArray bytes;
        bool binary;
    };
    const Case cases[] = {
        {"%PDF-1.7\n", true},
        {QByteArray("PK\x03\x04\x14\0", 6), true},        // ZIP, .docx, .odt
        {"\x89PNG\r\n\x1a\n", true},
        {"\xff\xd8\xff\xe0", true},                         // JPEG
        {"GIF89a", true},
        {"\x7f" "ELF\x02\x01", true},
        {QByteArray("a\r\nb\0c\r\n", 8), true},               // a NUL in an 8-bit file
        {Utf16(QString("a\r\n") + QChar(0) + "b", true), true}, // a NUL once decoded
        {Utf16("no nul here", false), false},               // UTF-16's zero bytes are no NUL
        {"PDF-1.7 is a word", false},
        {"\xef\xbb\xbf%PDF", false},
        {"", false},
        {"caf\xe9\r\n", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsBinaryFile(c.bytes), c.binary) << c.bytes.toHex().toStdString();

    TempFolder folder;
    folder.Write("scan.pdf", "%PDF-1.4\n");
    try {
        ReadWordListFile(folder.Path("scan.pdf"));
        ADD_FAILURE() << "a PDF was read as a list";
    } catch (const NotAWordListError& error) {
        EXPECT_EQ(error.Text(), "scan.pdf is not a word list");
    }
}

TEST(TextEncoding, SettingsKeepTheirEncodingAndMark)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QByteArray prefix; // what the written file starts with
    };
    const QString text = QStringLiteral("[Options]\r\nTxtHeading=B\u00ccNGO\r\nFontSize=30\r\n");
    const Case cases[] = {
        {"UTF-16 LE", Utf16(text, true), "\xff\xfe[\0"},
        {"UTF-16 BE", Utf16(text, false), "\xfe\xff\0["},
        {"UTF-8 with a mark", "\xef\xbb\xbf" + text.toUtf8(), "\xef\xbb\xbf[Options]"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("Options.ini", c.bytes);
        ProfileFile file(folder.Path("Options.ini"));
        EXPECT_EQ(file.ReadString("Options", "TxtHeading", "x"), "B\u00ccNGO") << c.name;
        EXPECT_EQ(file.ReadInteger("Options", "FontSize", 20), 30) << c.name;
        file.WriteString("Options", "TxtFreeSpace", "Fr\u00ea \u2603");
        file.WriteInteger("Options", "FontSize", 12);
        file.WriteString("Other", "Key", "v");
        const QByteArray written = folder.Read("Options.ini");
        EXPECT_TRUE(written.startsWith(c.prefix)) << c.name;
        const TextFormat format = DetectFormat(written);
        EXPECT_EQ(DecodeFile(written, format),
                  "[Options]\r\nTxtHeading=B\u00ccNGO\r\nFontSize=12\r\nTxtFreeSpace=Fr\u00ea \u2603\r\n[Other]\r\nKey=v\r\n")
            << c.name;
        EXPECT_EQ(file.ReadString("Options", "TxtFreeSpace", "x"), "Fr\u00ea \u2603") << c.name;
    }
}

TEST(TextEncoding, ACodePageFileNeverTurnsIntoUtf8ByAccident)
{
    struct Case {
        QByteArray before;
        QString value;
    };
    // Written in the code page, the new bytes alone would form valid UTF-8 and read back
    // as other characters ("\u00d9\u00a4f" as "\u0664f", "\u00c3\u00a9" as "\u00e9").
    const Case cases[] = {
        {"[b]\r\ny=\xce%Bo\r\n", QStringLiteral("\u00d9\u00a4f")},
        {"[Options]\r\nTxtFreeSpace=caf\xe9\r\n", QStringLiteral("\u00c3\u00a9")},
        {"[Options]\r\nTxtFreeSpace=x\r\n", QStringLiteral("\u00c3\u00a9")},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("Options.ini", c.before);
        ProfileFile file(folder.Path("Options.ini"));
        const QString section = c.before.startsWith("[b]") ? "b" : "Options";
        const QString key = c.before.startsWith("[b]") ? "y" : "TxtFreeSpace";
        file.WriteString(section, key, c.value);
        EXPECT_EQ(file.ReadString(section, key, "?"), c.value) << c.before.toStdString();
        file.WriteString("Options", "Other", "1");
        EXPECT_EQ(file.ReadString(section, key, "?"), c.value) << c.before.toStdString();
    }
    // A code-page file whose value stays ambiguous-free keeps its code page.
    TempFolder folder;
    folder.Write("Options.ini", "[Options]\r\nTxtHeading=caf\xe9\r\n");
    ProfileFile file(folder.Path("Options.ini"));
    file.WriteString("Options", "TxtFreeSpace", "na\u00efve");
    EXPECT_EQ(folder.Read("Options.ini"), "[Options]\r\nTxtHeading=caf\xe9\r\nTxtFreeSpace=na\xefve\r\n");
}

TEST(TextEncoding, AFileWhoseReadWouldWaitIsAnError)
{
    // /proc/kmsg is a "regular" file of size 0 whose read waits for the kernel's next line.
    QFile kmsg("/proc/kmsg");
    if (!kmsg.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "/proc/kmsg can't be opened here (not root)";
    kmsg.close();
    try {
        TextFile::ReadAll("/proc/kmsg");
    } catch (const PlatformError& error) {
        EXPECT_FALSE(error.Text().isEmpty());
    }
}
