// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/MissingGlyphs.h"
#include "platform/FaceMap.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <QSet>
#include <QTextLayout>
#include <QCoreApplication>
#include <vector>

namespace {

// Whether the text, laid out in the font with the system's fallbacks, shows a box: glyph 0
// is every font's "no such character"; a glyph of a face without outlines (the colour emoji
// face) prints as nothing.
bool ShowsABox(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (!HasOutlines(run.rawFont()))
            return true;
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return true;
    }
    return false;
}

} // namespace

QStringList WordsWithMissingGlyphs(const QStringList& words, const QString& face)
{
    QFont font(InstalledFace(face));
    font.setFamilies(CardFamilies(face));
    font.setPixelSize(20);
    // Each character is looked at once, however many words hold it: what the card face
    // draws with outlines needs no more; anything else is laid out alone, with the
    // system's fallbacks, as a word holding it would be.
    const QRawFont primary = QRawFont::fromFont(font);
    const bool primaryDraws = primary.isValid() && HasOutlines(primary);
    // What is known of the characters of the Basic Multilingual Plane sits in a table
    // (0 not looked at yet, 1 drawn, 2 a box): a list of a million words is mostly a few
    // dozen characters over and over.
    std::vector<quint8> plane(0x10000, 0);
    QHash<char32_t, bool> beyond;
    const auto looksUp = [&](char32_t c) {
        if (primaryDraws && primary.supportsCharacter(c))
            return false;
        return ShowsABox(QString::fromUcs4(&c, 1), font);
    };
    const auto showsABox = [&](char32_t c) {
        if (c < 0x10000) {
            quint8& known = plane[c];
            if (known == 0)
                known = looksUp(c) ? 2 : 1;
            return known == 2;
        }
        const auto it = beyond.constFind(c);
        if (it != beyond.cend())
            return *it;
        return *beyond.insert(c, looksUp(c));
    };
    QStringList missing;
    QSet<QString> seen;
    for (const QString& word : words) {
        // Named with the characters that can't be drawn, which may show as nothing here.
        QStringList codes;
        for (qsizetype i = 0; i < word.size(); ++i) {
            char32_t c = word[i].unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < word.size() && word[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(word[i], word[i + 1]);
                ++i;
            }
            if (showsABox(c))
                codes << QStringLiteral("U+") + QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0');
        }
        if (codes.isEmpty() || seen.contains(word))
            continue;
        seen.insert(word);
        codes.removeDuplicates();
        missing << QStringLiteral("%1 (%2)").arg(word, codes.join(QStringLiteral(", ")));
    }
    return missing;
}

QString MissingGlyphsMessage(const QStringList& words)
{
    constexpr int Named = 5;
    QStringList shown = words.mid(0, Named);
    for (QString& word : shown) {
        const qsizetype codes = word.lastIndexOf(QStringLiteral(" (U+"));
        word = codes < 0 ? QStringLiteral("\u201c%1\u201d").arg(word)
                         : QStringLiteral("\u201c%1\u201d%2").arg(word.left(codes), word.mid(codes));
    }
    QString list = shown.join(QStringLiteral(", "));
    if (words.size() > Named)
        list += QCoreApplication::translate("MissingGlyphs", " and %1 more").arg(words.size() - Named);
    return QCoreApplication::translate("MissingGlyphs", "These words contain characters that no installed font can draw, and would print with "
                          "empty boxes: %1")
        .arg(list);
}
