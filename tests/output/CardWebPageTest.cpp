// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A card's web page carries everything in itself, runs only its own script and style, and
// shows every word as text, whatever the word holds.
#include "output/CardWebPage.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

WebCard Card(const QStringList& words, int sizeIndex = 1, bool freeSpace = true)
{
    CardOptions options;
    options.SizeIndex = sizeIndex;
    options.FreeSpace = freeSpace;
    WebCard card;
    card.View = MakeCardView(words, options);
    card.Title = QStringLiteral("Party");
    card.Footer = QStringLiteral("Card 3 \u00b7 Game K7F2-9QXA");
    card.FontFamilies = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    card.StorageKey = QStringLiteral("K7F2-9QXA-card-3");
    return card;
}

QStringList Numbers(int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << QString::number(i);
    return words;
}

// The text between the first `open` and the following `close`.
QByteArray Between(const QByteArray& page, const QByteArray& open, const QByteArray& close)
{
    const qsizetype from = page.indexOf(open);
    const qsizetype to = page.indexOf(close, from + open.size());
    return from < 0 || to < 0 ? QByteArray() : page.mid(from + open.size(), to - from - open.size());
}

QByteArray Hash(const QByteArray& text)
{
    return "'sha256-" + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toBase64() + "'";
}

} // namespace

TEST(CardWebPage, AWordIsTextWhateverItHolds)
{
    QStringList words = Numbers(24);
    words[0] = QStringLiteral("<img src=x onerror=alert(1)>");
    words[1] = QStringLiteral("</script><script>alert(2)</script>");
    words[2] = QStringLiteral("\"quoted\" & 'single'");
    WebCard card = Card(words);
    card.Title = QStringLiteral("<b>title</b>");
    card.FontFamilies = {QStringLiteral("Evil\"; }</style><script>alert(3)</script>")};
    const QByteArray page = CardWebPage(card);
    EXPECT_FALSE(page.contains("<img"));
    EXPECT_FALSE(page.contains("<b>"));
    EXPECT_FALSE(page.contains("alert(2)</script>"));
    EXPECT_FALSE(page.contains("<script>alert"));
    EXPECT_EQ(page.count("<script"), 1);
    EXPECT_EQ(page.count("</style>"), 1);
    EXPECT_TRUE(page.contains(">&lt;img src=x onerror=alert(1)&gt;</button>"));
    EXPECT_TRUE(page.contains(">&quot;quoted&quot; &amp; &#39;single&#39;</button>"));
    EXPECT_TRUE(page.contains("<h1 dir=\"auto\">&lt;b&gt;title&lt;/b&gt;</h1>"));
}

TEST(CardWebPage, OnlyItsOwnScriptAndStyleRunAndNothingIsFetched)
{
    const QByteArray page = CardWebPage(Card(Numbers(24)));
    const QByteArray policy = Between(page, "http-equiv=\"Content-Security-Policy\" content=\"", "\"");
    ASSERT_FALSE(policy.isEmpty());
    EXPECT_TRUE(policy.startsWith("default-src 'none';"));
    EXPECT_TRUE(policy.contains("script-src " + Hash(Between(page, "<script>", "</script>")) + ";"));
    EXPECT_TRUE(policy.contains("style-src " + Hash(Between(page, "<style>", "</style>")) + ";"));
    EXPECT_FALSE(policy.contains("unsafe"));
    // Nothing names another file or place: no sources, links, imports or addresses.
    for (const char* reference : {" src=", " href=", "url(", "@import", "http://", "https://", "//cdn", "fetch("})
        EXPECT_FALSE(page.contains(reference)) << reference;
}

TEST(CardWebPage, CellsAreButtonsNamedByTheirColumnInATableWithTheFreeSpaceNoButton)
{
    const QByteArray page = CardWebPage(Card(Numbers(24)));
    EXPECT_EQ(page.count("class=\"cell\""), 24);
    EXPECT_EQ(page.count("role=\"row\""), 6);
    EXPECT_EQ(page.count("role=\"columnheader\""), 5);
    EXPECT_TRUE(page.contains("data-i=\"0\" data-letter=\"B\" data-word=\"1\" aria-label=\"B 1\" aria-pressed=\"false\">1<"));
    EXPECT_TRUE(page.contains("data-free=\"12\""));
    EXPECT_TRUE(page.contains("<div class=\"cell free\" dir=\"auto\" data-i=\"12\" data-letter=\"N\" data-word=\"Free Space\">Free Space</div>"));
    EXPECT_TRUE(page.contains("data-key=\"K7F2-9QXA-card-3\""));
    EXPECT_TRUE(page.contains("<p class=\"footer\" dir=\"auto\">Card 3 \xc2\xb7 Game K7F2-9QXA</p>"));
    // Without a heading or a free space.
    CardOptions bare;
    bare.SizeIndex = 0;
    bare.FreeSpace = false;
    bare.Heading = false;
    WebCard small = Card(Numbers(9));
    small.View = MakeCardView(Numbers(9), bare);
    const QByteArray plain = CardWebPage(small);
    EXPECT_EQ(plain.count("class=\"cell\""), 9);
    EXPECT_EQ(plain.count("class=\"head\""), 0);
    EXPECT_TRUE(plain.contains("data-free=\"-1\""));
    EXPECT_TRUE(plain.contains("aria-label=\"1\""));
}

TEST(CardWebPage, ALargeCardOfLongPhrasesStaysSmall)
{
    QStringList phrases;
    for (int i = 0; i < 48; ++i)
        phrases << QStringLiteral("a rather long phrase of the party number %1").arg(i, 3);
    const QByteArray page = CardWebPage(Card(phrases, 2));
    EXPECT_EQ(page.count("class=\"cell"), 49);
    EXPECT_LE(page.size(), 30 * 1024);
    // BINGO over seven columns: a heading cell for each, the last two blank, so no word
    // slips into the heading row.
    EXPECT_EQ(page.count("class=\"head\""), 7);
    EXPECT_TRUE(page.contains("<div class=\"head\" role=\"columnheader\">O</div><div class=\"head\" role=\"columnheader\"></div>"));
}
