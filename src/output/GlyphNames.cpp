// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/GlyphNames.h"

#include <QGlyphRun>
#include <QSet>
#include <QTextLayout>
#include <algorithm>
#include <utility>

namespace {

using FontGlyph = std::pair<QRawFont, quint32>;

// The glyphs the font's own map gives the text's characters, one by one.
QSet<quint32> Nominal(const QRawFont& font, const QString& text)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    return QSet<quint32>(glyphs.cbegin(), glyphs.cend());
}

bool HasMarks(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing: return true;
        default: break;
        }
    return false;
}

// A cluster of several glyphs none of which is a character's own (a vowel drawn before a
// conjunct): each piece of its text set alone that comes out as one of them (beside a
// dotted circle, for a vowel sign alone) names it.
void NamePieces(const QFont& font, const QString& cluster, const std::vector<FontGlyph>& unnamed,
                std::vector<std::pair<FontGlyph, QString>>& named)
{
    for (qsizetype length = 1; length < cluster.size(); ++length) // the smallest piece first
        for (qsizetype from = 0; from + length <= cluster.size(); ++from) {
            const QString piece = cluster.mid(from, length);
            QTextLayout alone(piece, font);
            alone.beginLayout();
            alone.createLine().setLineWidth(1e9);
            alone.endLayout();
            std::vector<FontGlyph> found;
            for (const QGlyphRun& run : alone.glyphRuns())
                for (const quint32 glyph : run.glyphIndexes())
                    if (std::find(unnamed.begin(), unnamed.end(), FontGlyph(run.rawFont(), glyph)) != unnamed.end())
                        found.emplace_back(run.rawFont(), glyph);
            if (found.size() != 1)
                continue;
            const bool known = std::any_of(named.begin(), named.end(), [&](const auto& n) { return n.first == found.front(); });
            if (!known)
                named.emplace_back(found.front(), piece);
        }
}

bool HasRightToLeft(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if (const auto d = QChar::direction(c); d == QChar::DirR || d == QChar::DirAL)
            return true;
    return false;
}

} // namespace

GlyphNames NameGlyphs(const QTextLayout& layout, const QString& text)
{
    GlyphNames names;
    // The common case, a text whose every glyph is a character's own, costs one look.
    QList<std::pair<QRawFont, QSet<quint32>>> nominal;
    bool foreign = false;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QSet<quint32> own = Nominal(run.rawFont(), text);
        for (const quint32 glyph : run.glyphIndexes())
            foreign = foreign || !own.contains(glyph);
        nominal.append({run.rawFont(), own});
    }
    // Not for right-to-left text: readers put its glyphs back in reading order themselves
    // (from the map), and poppler turns a given text round a second time.
    names.Actual = (foreign || HasMarks(text)) && !HasRightToLeft(text);
    if (!foreign)
        return names;
    const auto isOwn = [&](const QRawFont& font, quint32 glyph) {
        for (const auto& [face, own] : nominal)
            if (face == font)
                return own.contains(glyph);
        return false;
    };
    // The clusters: the characters that give the same glyphs, in a row.
    const auto glyphsOf = [&](qsizetype from, qsizetype length) {
        std::vector<FontGlyph> glyphs;
        for (const QGlyphRun& run : layout.glyphRuns(int(from), int(length)))
            for (const quint32 glyph : run.glyphIndexes())
                glyphs.emplace_back(run.rawFont(), glyph);
        return glyphs;
    };
    const auto width = [&](qsizetype at) { return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1; };
    struct Cluster {
        QString Text;
        std::vector<FontGlyph> Glyphs;
    };
    // Glyphs are asked for character by character; a reordered cluster gives its glyphs to
    // some of its characters only, so a character whose glyphs meet the cluster's joins it.
    std::vector<Cluster> clusters;
    for (qsizetype start = 0; start < text.size();) {
        std::vector<FontGlyph> glyphs = glyphsOf(start, width(start));
        qsizetype end = start + width(start);
        while (end < text.size()) {
            const std::vector<FontGlyph> next = glyphsOf(end, width(end));
            bool meets = next.empty() && glyphs.empty();
            for (const FontGlyph& g : next)
                meets = meets || std::find(glyphs.begin(), glyphs.end(), g) != glyphs.end();
            if (!meets)
                break;
            for (const FontGlyph& g : next)
                if (std::find(glyphs.begin(), glyphs.end(), g) == glyphs.end())
                    glyphs.push_back(g);
            end += width(end);
        }
        clusters.push_back({text.mid(start, end - start), std::move(glyphs)});
        start = end;
    }
    // A cluster's characters less those its other glyphs stand for (a character's own glyph,
    // or one named already) belong to the one glyph left unnamed; a cluster with more than
    // one is tried again once the others have named theirs (a vowel's form, say).
    std::vector<std::pair<FontGlyph, QString>> named; // a few at most
    const auto nameOf = [&](const FontGlyph& g) {
        for (const auto& [glyph, characters] : named)
            if (glyph == g)
                return &characters;
        return static_cast<const QString*>(nullptr);
    };
    for (int pass = 0; pass < 2; ++pass)
        for (const Cluster& cluster : clusters) {
            QString rest = cluster.Text;
            std::vector<FontGlyph> unnamed;
            for (const FontGlyph& g : cluster.Glyphs) {
                QString stands;
                if (isOwn(g.first, g.second)) {
                    for (qsizetype i = 0; i < rest.size() && stands.isEmpty(); ++i)
                        if (g.first.glyphIndexesForString(rest.mid(i, 1)).value(0) == g.second)
                            stands = rest.mid(i, 1);
                } else if (const QString* known = nameOf(g)) {
                    stands = *known;
                } else {
                    unnamed.push_back(g);
                    continue;
                }
                if (const qsizetype at = rest.indexOf(stands); at >= 0 && !stands.isEmpty())
                    rest.remove(at, stands.size());
            }
            if (unnamed.size() == 1 && !rest.isEmpty())
                named.emplace_back(unnamed.front(), rest);
            else if (unnamed.size() > 1)
                NamePieces(layout.font(), cluster.Text, unnamed, named);
        }
    for (auto& [glyph, characters] : named)
        names.Names.push_back({glyph.first, glyph.second, characters});
    return names;
}
