// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/TextEncoding.h"
#include "words/WordList.h"
#include "words/WordListFormat.h"

#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>

TEST(WordListFormat, ReadingRule)
{
    struct Case {
        QByteArray bytes;
        QStringList words;
    };
    const Case cases[] = {
        {"  dog\r\n\r\ncat\r\nbird", {"dog", "cat", "bird"}},
        {"one\ntwo\n", {"one", "two"}},
        {"a\rb\r\nc\n", {"ab", "c"}},                          // a lone CR is dropped
        {"one\n\x1aignored\nnot read\n", {"one"}},             // Ctrl+Z at a line start ends the file
        {"one\x1a tail\ntwo\n", {"one", "two"}},               // inside a line it ends that line
        {"\t\x01 padded \x1f\x7f\n", {"padded \x1f\x7f"}},     // codes 0 to 32 only
        {QByteArray("nul\0byte\n", 9), {QString::fromUtf8("nul\0byte", 8)}},
        {"", {}},
        {"\xef\xbb\xbf" "dog\r\ncat\r\n", {"dog", "cat"}},              // a byte-order mark is no word
        {QByteArray("d\n\0\0\xef\xbb\xbf\n", 8), {"d", QString(QChar(0xfeff))}}, // ... inside the file it is text
        {"\r\n\r\n  \r\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseWordList(c.bytes), c.words) << c.bytes.toStdString();
}

TEST(WordListFormat, EncodingsAndWriting)
{
    // UTF-8 stays UTF-8; anything else is Windows-1252.
    EXPECT_EQ(ParseWordList("Gr\xc3\xbc\xc3\x9f""e\r\n"), QStringList{"Gr\u00fc\u00dfe"});
    EXPECT_EQ(ParseWordList("caf\xe9\r\n\x80uro\r\n\x93q\x94\r\n"), (QStringList{"caf\u00e9", "\u20acuro", "\u201cq\u201d"}));
    EXPECT_EQ(FormatWordList({" lead", "Gr\u00fc\u00dfe", "\u2603"}), " lead\r\nGr\xc3\xbc\xc3\x9f""e\r\n\xe2\x98\x83\r\n");
    EXPECT_EQ(FormatWordList({}), QByteArray());
    EXPECT_EQ(ParseWordList(FormatWordList({" lead"})), QStringList{"lead"});
    // A long single line and a binary file neither crash nor lose bytes of text.
    const QByteArray longLine(10 * 1024 * 1024, 'x');
    EXPECT_EQ(ParseWordList(longLine).front().size(), longLine.size());
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) & 0xff));
    EXPECT_NO_THROW(ParseWordList(binary));
    EXPECT_EQ(DecodeText(QByteArray("\xed\xa0\x80")), QString::fromUcs4(U"\u00ed\u00a0\u20ac")); // not UTF-8
}

TEST(WordList, SortsCaseInsensitivelyWithNumbersAsText)
{
    WordList list;
    for (const char* w : {"2", "banana", "10", "Apple", "1", "apple", "11", "Cherry", "20"})
        list.Insert(w);
    EXPECT_EQ(list.Items(), (QStringList{"1", "10", "11", "2", "20", "Apple", "apple", "banana", "Cherry"}));

    WordList bulk;
    bulk.InsertMany({"2", "banana", "10", "Apple", "1", "apple", "11", "Cherry", "20"});
    EXPECT_EQ(bulk.Items(), list.Items());
    bulk.InsertMany({"b", "0"});
    EXPECT_EQ(bulk.Items().first(), "0");
    EXPECT_EQ(bulk.Items()[8], "b");
    EXPECT_EQ(bulk.InsertPosition("APPLE"), 8);

    // A long list is sorted in pieces; words equal but for case keep their order of reading
    // across the pieces, as inserting them one at a time does. Read in order or reversed.
    QStringList many;
    for (int i = 0; i < 30000; ++i)
        many << QStringLiteral("w%1").arg((i * 7919) % 10007) << QStringLiteral("W%1").arg((i * 7919) % 10007);
    for (const QStringList& read : {many, QStringList(many.crbegin(), many.crend())}) {
        WordList sorted;
        sorted.InsertMany(read);
        QStringList expected = read;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const QString& a, const QString& b) { return sorted.Less(a, b); });
        EXPECT_EQ(sorted.Items(), expected);
        WordList again;
        again.InsertMany(sorted.Items());
        EXPECT_EQ(again.Items(), expected);
    }
}

TEST(WordList, SameOrderUnderTheCLocaleAndEnglish)
{
    const QStringList words = {"zebra", "\u00e9clair", "Eagle", "eel", "10", "9", "a-b", "ab", "Zoo"};
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    WordList underC;
    underC.InsertMany(words);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    WordList english;
    english.InsertMany(words);
    QLocale::setDefault(saved);
    EXPECT_EQ(underC.Items(), english.Items());
    EXPECT_EQ(english.Items().indexOf("\u00e9clair") < english.Items().indexOf("eel"), true);
}
