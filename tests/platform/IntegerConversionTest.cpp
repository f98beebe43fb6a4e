// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/IntegerConversion.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

TEST(IntegerConversion, AcceptsWholeNumbersByTheRunTimeRules)
{
    const std::pair<const char*, int> accepted[] = {
        {" 123", 123},      {"00012", 12},          {"-0", 0},           {"+1", 1},
        {"x10", 16},        {"0X10", 16},           {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483647 - 1},             {"$FFFFFFFF", -1},   {"-$10", -16},
        {"-0x10", -16},     {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"$000000001", 1},  {"0x0000000000ff", 255}, {"   7", 7},        {"$aBc", 0xABC},
    };
    for (const auto& [text, value] : accepted) {
        const auto result = TryStrToInt(QString::fromUtf8(text));
        ASSERT_TRUE(result.has_value()) << text;
        EXPECT_EQ(*result, value) << text;
    }
}

TEST(IntegerConversion, RefusesEverythingElse)
{
    for (const char* text : {"", " ", "\t123", "123 ", "12 3", "+-1", "- 1", "2147483648", "-2147483649",
                             "0x", "$G", "$", "x", "-", "+", "$100000000", "1e3", "12a", "99999999999999999999",
                             "\xef\xbc\x91"}) // a full-width digit one
        EXPECT_FALSE(TryStrToInt(QString::fromUtf8(text)).has_value()) << text;
}

TEST(IntegerConversion, ErrorNamesTheTextAsGiven)
{
    try {
        StrToInt(" 12 ");
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.Text(), "' 12 ' is not a valid integer value");
        EXPECT_EQ(ErrorBoxText(error.Text()), "' 12 ' is not a valid integer value.");
    }
    EXPECT_EQ(ErrorBoxText("File not found"), "File not found.");
    EXPECT_EQ(ErrorBoxText("Unable to write to /x/Options.ini"), "Unable to write to /x/Options.ini.");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("I/O error 5"), "I/O error 5.");
}

TEST(Messages, LongInputIsElidedNotShownWhole)
{
    // Ordinary messages, paths and words pass as they are.
    const QString usual = "'K7F2-9QXB' is not the code of a game: a character is mistyped";
    EXPECT_EQ(ElideForMessage(usual), usual);
    // A 100,000-character code keeps its start and end around an ellipsis.
    const QString code = "A" + QString(99998, u'7') + "Z";
    const QString shown = ElideForMessage("'" + code + "' is not a game code", 80);
    EXPECT_LT(shown.size(), 120);
    EXPECT_TRUE(shown.startsWith("'A777"));
    EXPECT_TRUE(shown.contains(u'\u2026'));
    EXPECT_TRUE(shown.endsWith("777Z' is not a game code"));
    // Many short words are cut as a whole.
    QString many;
    for (int i = 0; i < 10000; ++i)
        many += "word ";
    EXPECT_LE(ElideForMessage(many, 80).size(), 480);
}
