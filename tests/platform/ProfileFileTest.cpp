// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Fixture {
    TempFolder folder;
    QString path = folder.Path("Options.ini");
    ProfileFile file{path};
    void Write(const QByteArray& bytes) const { folder.Write("Options.ini", bytes); }
    QByteArray Bytes() const { return folder.Read("Options.ini"); }
};

} // namespace

TEST(ProfileFile, NewFileIsWrittenKeyByKeyWithCrLf)
{
    Fixture f;
    f.file.WriteInteger("Options", "CardSize", 1);
    f.file.WriteBool("Options", "ChkFreeSpace", true);
    EXPECT_EQ(f.Bytes(), "[Options]\r\nCardSize=1\r\nChkFreeSpace=1\r\n");
    f.file.WriteString("Other", "Key", "v");
    f.file.WriteString("options", "TxtHeading", "BINGO");
    EXPECT_EQ(f.Bytes(), "[Options]\r\nCardSize=1\r\nChkFreeSpace=1\r\nTxtHeading=BINGO\r\n[Other]\r\nKey=v\r\n");
}

TEST(ProfileFile, ReadsByTheWindowsRules)
{
    Fixture f;
    f.Write("CardSize=9\n"
            "; comment=1\r\n"
            "[ options ]  trailing\r"
            "  fontsize  =  0x10 \n"
            "ChkWordWrap= 0 \n"
            "TxtHeading=\" BINGO\"\n"
            "TxtFreeSpace='Free'\n"
            "Odd=\"half\n"
            "Empty=\n"
            "Hash=#1 ; not a comment\n"
            "FontSize=99\n"
            "[Options]\n"
            "CardSize=2\n");
    const ProfileFile& r = f.file;
    EXPECT_EQ(r.ReadInteger("Options", "FontSize", 20), 16);
    EXPECT_FALSE(r.ReadBool("Options", "ChkWordWrap", true));
    EXPECT_EQ(r.ReadString("Options", "TxtHeading", ""), " BINGO");
    EXPECT_EQ(r.ReadString("Options", "TxtFreeSpace", ""), "Free");
    EXPECT_EQ(r.ReadString("Options", "Odd", ""), "\"half");
    EXPECT_EQ(r.ReadString("Options", "Empty", "default"), "");
    EXPECT_EQ(r.ReadInteger("Options", "Empty", 20), 20);
    EXPECT_EQ(r.ReadString("Options", "Hash", ""), "#1 ; not a comment");
    // Keys before the first section, in a second section of the same name, or commented out.
    EXPECT_EQ(r.ReadInteger("Options", "CardSize", 1), 1);
    EXPECT_EQ(r.ReadString("Options", "; comment", "none"), "none");
    EXPECT_EQ(r.ReadString(" Options ", " TxtFreeSpace ", ""), "Free");
    EXPECT_EQ(r.ReadString("Missing", "Key", "dflt  "), "dflt");
    EXPECT_EQ(ProfileFile(f.folder.Path("none.ini")).ReadBool("Options", "ChkHeading", true), true);
}

TEST(ProfileFile, WritingKeepsEverythingElseByteForByte)
{
    Fixture f;
    const QByteArray before = "; my settings\n[Other]\nX = 1\n\n[OPTIONS]\nfontsize=8\nUnknown line\r\nz=1\n[Tail]\nq=2";
    f.Write(before);
    f.file.WriteString("Options", "FontSize", "12");
    f.file.WriteString("Options", "FountName", "Arial");
    f.file.WriteString("Tail", "r", "3");
    EXPECT_EQ(f.Bytes(), "; my settings\n[Other]\nX = 1\n\n[OPTIONS]\nfontsize=12\r\nUnknown line\r\nz=1\n"
                         "FountName=Arial\r\n[Tail]\nq=2\r\nr=3\r\n");
}

TEST(ProfileFile, ValuesComeBackExactly)
{
    Fixture f;
    for (const QString& value : {QString(" padded "), QString("\"quoted\""), QString("'single'"), QString("plain"),
                                 QString(), QString("Gr\u00fc\u00dfe \u2603")}) {
        f.file.WriteString("Options", "TxtFreeSpace", value);
        EXPECT_EQ(f.file.ReadString("Options", "TxtFreeSpace", "x"), value) << value.toStdString();
    }
    // A pasted line break never breaks the file.
    f.file.WriteString("Options", "TxtHeading", "BIN\r\nGO\nX");
    f.file.WriteString("Options", "After", "1");
    EXPECT_EQ(f.file.ReadString("Options", "TxtHeading", ""), "BIN GO X");
    EXPECT_EQ(f.file.ReadString("Options", "After", ""), "1");
}

TEST(ProfileFile, ValuesAreCutAt2047Characters)
{
    Fixture f;
    f.file.WriteString("Options", "Long", QString(5000, 'a'));
    EXPECT_EQ(f.file.ReadString("Options", "Long", "").size(), 2047);
}

TEST(ProfileFile, FailedWriteRaisesAndKeepsTheOldFile)
{
    Fixture f;
    f.Write("[Options]\r\nCardSize=2\r\n");
    const QString missingFolder = f.folder.Path("gone/Options.ini");
    ProfileFile nowhere(missingFolder);
    try {
        nowhere.WriteInteger("Options", "CardSize", 1);
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.Text(), "Unable to write to " + missingFolder);
    }
    EXPECT_FALSE(QFile::exists(f.folder.Path("gone")));

    if (geteuid() != 0) {
        ::chmod(f.folder.Path().toLocal8Bit(), 0555);
        EXPECT_THROW(f.file.WriteInteger("Options", "CardSize", 1), PlatformError);
        ::chmod(f.folder.Path().toLocal8Bit(), 0755);
    }
    ::chmod(f.path.toLocal8Bit(), 0444);
    if (geteuid() != 0) {
        EXPECT_THROW(f.file.WriteInteger("Options", "CardSize", 1), PlatformError);
    }
    ::chmod(f.path.toLocal8Bit(), 0644);
    EXPECT_EQ(f.Bytes(), "[Options]\r\nCardSize=2\r\n");
}

TEST(ProfileFileEncoding, AFileFromTheOtherSystemStaysReadable)
{
    Fixture f;
    // Windows-1252 bytes: "Café" and a euro sign.
    f.Write("[Options]\r\nTxtFreeSpace=Caf\xe9\r\nTxtHeading=\x80uro\r\n");
    EXPECT_EQ(f.file.ReadString("Options", "TxtFreeSpace", ""), "Caf\u00e9");
    // A text the code page can hold keeps the file in it.
    f.file.WriteString("Options", "TxtHeading", "\u00e9t\u00e9");
    EXPECT_EQ(f.Bytes(), "[Options]\r\nTxtFreeSpace=Caf\xe9\r\nTxtHeading=\xe9t\xe9\r\n");
    // One it can't makes the whole file UTF-8, so every value still reads back.
    f.file.WriteString("Options", "TxtHeading", "\u2603");
    EXPECT_EQ(f.Bytes(), "[Options]\r\nTxtFreeSpace=Caf\xc3\xa9\r\nTxtHeading=\xe2\x98\x83\r\n");
    EXPECT_EQ(f.file.ReadString("Options", "TxtFreeSpace", ""), "Caf\u00e9");
    EXPECT_EQ(f.file.ReadString("Options", "TxtHeading", ""), "\u2603");
}
