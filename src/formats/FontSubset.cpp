// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "formats/FontSubset.h"

#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// Big-endian reads that give 0 past the end, so a short or odd table can't read astray.
quint32 U16(const QByteArray& t, qsizetype at)
{
    if (at < 0 || at + 2 > t.size())
        return 0;
    return (quint32(quint8(t[at])) << 8) | quint8(t[at + 1]);
}
qint16 S16(const QByteArray& t, qsizetype at) { return static_cast<qint16>(U16(t, at)); }
quint32 U32(const QByteArray& t, qsizetype at) { return (U16(t, at) << 16) | U16(t, at + 2); }

void Put16(QByteArray& t, int value)
{
    t.append(char((value >> 8) & 0xFF));
    t.append(char(value & 0xFF));
}
void Put32(QByteArray& t, quint32 value)
{
    Put16(t, int(value >> 16));
    Put16(t, int(value & 0xFFFF));
}
void Set16(QByteArray& t, qsizetype at, int value)
{
    if (at + 2 <= t.size()) {
        t[at] = char((value >> 8) & 0xFF);
        t[at + 1] = char(value & 0xFF);
    }
}
void Set32(QByteArray& t, qsizetype at, quint32 value)
{
    Set16(t, at, int(value >> 16));
    Set16(t, at + 2, int(value & 0xFFFF));
}

quint32 Checksum(const QByteArray& t)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < t.size(); i += 4) {
        quint32 word = 0;
        for (int k = 0; k < 4; ++k)
            word = (word << 8) | (i + k < t.size() ? quint8(t[i + k]) : 0);
        sum += word;
    }
    return sum;
}

// A font file of these tables, in the order of their tags, each starting on four bytes.
QByteArray FontFile(std::map<QByteArray, QByteArray> tables)
{
    const int count = int(tables.size());
    int power = 1, log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    QByteArray out;
    Put32(out, 0x00010000);
    Put16(out, count);
    Put16(out, power * 16);
    Put16(out, log);
    Put16(out, count * 16 - power * 16);
    quint32 offset = 12 + 16 * count;
    qsizetype headAt = -1;
    for (auto& [tag, data] : tables) {
        out.append(tag);
        Put32(out, Checksum(data));
        Put32(out, offset);
        Put32(out, quint32(data.size()));
        if (tag == "head")
            headAt = offset;
        offset += quint32((data.size() + 3) & ~3);
    }
    for (auto& [tag, data] : tables) {
        out.append(data);
        out.append(QByteArray((4 - data.size() % 4) % 4, '\0'));
    }
    if (headAt >= 0)
        Set32(out, headAt + 8, 0xB1B0AFBA - Checksum(out));
    return out;
}

// The PostScript name (name 6) of a face, or its family and style run together.
QByteArray ReadName(const QRawFont& font)
{
    const QByteArray t = font.fontTable("name");
    const quint32 count = U16(t, 2), strings = U16(t, 4);
    QString name;
    for (quint32 i = 0; i < count && name.isEmpty(); ++i) {
        const qsizetype r = 6 + 12 * qsizetype(i);
        if (U16(t, r + 6) != 6)
            continue;
        const quint32 platform = U16(t, r), length = U16(t, r + 8), at = strings + U16(t, r + 10);
        if (at + length > quint32(t.size()))
            continue;
        if (platform == 3 || platform == 0) {
            for (quint32 k = 0; k + 1 < length; k += 2)
                name += QChar(char16_t(U16(t, at + k)));
        } else if (platform == 1) {
            name = QString::fromLatin1(t.mid(at, length));
        }
    }
    if (name.isEmpty())
        name = font.familyName() + QLatin1Char('-') + font.styleName();
    name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
    return name.isEmpty() ? QByteArray("Font") : name.toLatin1();
}

} // namespace

FontFace::FontFace(const QRawFont& font)
    : Font(font), Head(font.fontTable("head")), Hhea(font.fontTable("hhea")), Hmtx(font.fontTable("hmtx")),
      Maxp(font.fontTable("maxp")), Loca(font.fontTable("loca")), Glyf(font.fontTable("glyf")),
      Cmap(font.fontTable("cmap"))
{
    Upem = std::max<int>(16, int(U16(Head, 18)));
    Glyphs = int(U16(Maxp, 4));
    HMetrics = std::max(1, int(U16(Hhea, 34)));
    LongLoca = S16(Head, 50) == 1;
    Ascender = S16(Hhea, 4);
    Descender = S16(Hhea, 6);
    Box = QRect(QPoint(S16(Head, 36), S16(Head, 38)), QPoint(S16(Head, 40), S16(Head, 42)));
    Name = ReadName(font);
}

double FontFace::Width(quint32 glyph) const
{
    const quint32 entry = std::min<quint32>(glyph, quint32(HMetrics - 1));
    return U16(Hmtx, 4 * qsizetype(entry)) * 1000.0 / Upem;
}

std::map<quint32, char32_t> FontFace::Characters(const std::set<quint32>& glyphs) const
{
    std::map<quint32, char32_t> found;
    // Where several characters share a glyph, the one a search would type: not a
    // compatibility form (the Kangxi radical for dog draws as the ideograph for dog).
    auto plain = [](char32_t c) {
        const QString text = QString::fromUcs4(&c, 1);
        return text.normalized(QString::NormalizationForm_KC) == text;
    };
    auto note = [&](char32_t c, quint32 glyph) {
        if (!glyph || !glyphs.count(glyph))
            return;
        const auto it = found.find(glyph);
        if (it == found.end())
            found[glyph] = c;
        else if (!plain(it->second) && plain(c))
            it->second = c;
    };
    // The Unicode subtables: format 12 (all planes) where there is one, else format 4.
    qsizetype best = -1;
    int bestFormat = 0;
    for (quint32 i = 0, n = U16(Cmap, 2); i < n; ++i) {
        const quint32 platform = U16(Cmap, 4 + 8 * i), encoding = U16(Cmap, 6 + 8 * i);
        const qsizetype at = U32(Cmap, 8 + 8 * i);
        const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
        const int format = int(U16(Cmap, at));
        if (unicode && (format == 12 || (format == 4 && bestFormat != 12))) {
            best = at;
            bestFormat = format;
        }
    }
    // A damaged table can't keep a job going for long: no more code points are looked at
    // than Unicode has, and no more groups than the table holds.
    quint32 budget = 0x110000;
    if (bestFormat == 12) {
        const quint32 groups = std::min<quint32>(U32(Cmap, best + 12), quint32(std::max<qsizetype>(0, Cmap.size() - best) / 12));
        for (quint32 g = 0; g < groups && budget; ++g) {
            const qsizetype group = best + 16 + 12 * qsizetype(g);
            const quint32 first = U32(Cmap, group), last = std::min<quint32>(U32(Cmap, group + 4), 0x10FFFF);
            const quint32 glyph = U32(Cmap, group + 8);
            for (quint32 c = first; c <= last && budget; ++c, --budget)
                note(char32_t(c), glyph + (c - first));
        }
    } else if (bestFormat == 4) {
        const quint32 segments = U16(Cmap, best + 6) / 2;
        const qsizetype ends = best + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                        ranges = deltas + 2 * segments;
        for (quint32 s = 0; s < segments; ++s) {
            const quint32 end = U16(Cmap, ends + 2 * s), start = U16(Cmap, starts + 2 * s);
            const quint32 delta = U16(Cmap, deltas + 2 * s), range = U16(Cmap, ranges + 2 * s);
            for (quint32 c = start; c <= end && c != 0xFFFF && budget; ++c, --budget) {
                quint32 glyph;
                if (range == 0) {
                    glyph = (c + delta) & 0xFFFF;
                } else {
                    glyph = U16(Cmap, ranges + 2 * s + range + 2 * (c - start));
                    if (glyph)
                        glyph = (glyph + delta) & 0xFFFF;
                }
                note(char32_t(c), glyph);
            }
        }
    }
    return found;
}

QByteArray FontFace::GlyphData(quint32 glyph) const
{
    if (Glyf.isEmpty())
        return OutlineGlyph(glyph);
    const qsizetype from = LongLoca ? U32(Loca, 4 * qsizetype(glyph)) : 2 * qsizetype(U16(Loca, 2 * qsizetype(glyph)));
    const qsizetype to =
        LongLoca ? U32(Loca, 4 * qsizetype(glyph) + 4) : 2 * qsizetype(U16(Loca, 2 * qsizetype(glyph) + 2));
    if (from < 0 || to <= from || to > Glyf.size())
        return {};
    return Glyf.mid(from, to - from);
}

// A glyph of PostScript outlines as a TrueType glyph: lines kept, each cubic curve split in
// four and each quarter drawn as a quadratic one (off by far less than a design unit at
// text sizes), y turned upwards.
QByteArray FontFace::OutlineGlyph(quint32 glyph) const
{
    QRawFont design(Font);
    design.setPixelSize(Upem);
    const QPainterPath path = design.pathForGlyph(glyph);
    std::vector<std::vector<std::pair<QPoint, bool>>> contours;
    auto add = [&](QPointF p, bool on) { contours.back().push_back({QPoint(qRound(p.x()), -qRound(p.y())), on}); };
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            contours.emplace_back();
            add(e, true);
        } else if (e.type == QPainterPath::LineToElement) {
            if (contours.empty())
                contours.emplace_back();
            add(e, true);
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPointF p0 = last, c1 = e, c2 = path.elementAt(i + 1), p3 = path.elementAt(i + 2);
            auto at = [&](double t) {
                const double u = 1 - t;
                return u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p3;
            };
            auto slope = [&](double t) {
                const double u = 1 - t;
                return 3 * u * u * (c1 - p0) + 6 * u * t * (c2 - c1) + 3 * t * t * (p3 - c2);
            };
            if (contours.empty())
                contours.emplace_back();
            constexpr int Pieces = 4;
            for (int k = 0; k < Pieces; ++k) {
                const double t0 = double(k) / Pieces, t1 = double(k + 1) / Pieces, h = t1 - t0;
                const QPointF a = at(t0), b = at(t1);
                // The control point where the tangents at the piece's two ends meet,
                // approximated by the midpoint of the two one-sided estimates.
                const QPointF control = (a + slope(t0) * h / 2 + b - slope(t1) * h / 2) / 2;
                add(control, false);
                add(b, true);
            }
            i += 2;
            last = p3;
            continue;
        }
        last = e;
    }
    QByteArray points;
    std::vector<std::pair<QPoint, bool>> all;
    QByteArray ends;
    for (auto& contour : contours) {
        if (contour.size() > 1 && contour.front() == contour.back())
            contour.pop_back();
        if (contour.size() < 2)
            continue;
        all.insert(all.end(), contour.begin(), contour.end());
        Put16(ends, int(all.size() - 1));
    }
    if (all.empty())
        return {};
    int minX = all[0].first.x(), maxX = minX, minY = all[0].first.y(), maxY = minY;
    for (const auto& [p, on] : all) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    QByteArray out;
    Put16(out, int(ends.size() / 2));
    Put16(out, minX);
    Put16(out, minY);
    Put16(out, maxX);
    Put16(out, maxY);
    out.append(ends);
    Put16(out, 0); // no instructions
    for (const auto& [p, on] : all)
        out.append(char(on ? 1 : 0));
    QPoint previous;
    for (const auto& [p, on] : all) {
        Put16(out, p.x() - previous.x());
        previous.setX(p.x());
    }
    for (const auto& [p, on] : all) {
        Put16(out, p.y() - previous.y());
        previous.setY(p.y());
    }
    return out;
}

namespace {

// A TrueType glyph without its hinting program. Renderers differ in whether they run it;
// Ghostscript does, and at screen sizes it nudges letters apart unevenly, where the others
// (and the sample card) draw the outlines as they are. Printers' resolutions need no hints.
QByteArray WithoutInstructions(const QByteArray& data)
{
    if (data.size() < 10)
        return data;
    const int contours = S16(data, 0);
    if (contours >= 0) {
        const qsizetype at = 10 + 2 * qsizetype(contours);
        if (at + 2 > data.size())
            return data;
        const qsizetype length = U16(data, at);
        if (length == 0 || at + 2 + length > data.size())
            return data;
        QByteArray out = data.left(at);
        Put16(out, 0);
        out.append(data.constData() + at + 2 + length, data.size() - at - 2 - length);
        return out;
    }
    // A composite glyph: its program follows the last part, if a part says there is one.
    QByteArray out = data;
    for (qsizetype at = 10;;) {
        if (at + 4 > out.size())
            return data;
        const quint32 flags = U16(out, at);
        Set16(out, at, int(flags & ~0x100u));
        at += 4 + ((flags & 0x1) ? 4 : 2);
        at += (flags & 0x8) ? 2 : (flags & 0x40) ? 4 : (flags & 0x80) ? 8 : 0;
        if (!(flags & 0x20))
            return out.left(std::min(at, out.size()));
    }
}

} // namespace

QByteArray FontFace::Subset(const std::set<quint32>& wanted, std::map<quint32, quint32>* renumbered) const
{
    // The glyphs to keep: those asked for, .notdef, and the parts of composite glyphs.
    std::map<quint32, QByteArray> kept;
    std::vector<quint32> todo(wanted.begin(), wanted.end());
    todo.push_back(0);
    while (!todo.empty()) {
        const quint32 glyph = todo.back();
        todo.pop_back();
        if (glyph >= quint32(Glyphs) || kept.count(glyph))
            continue;
        const QByteArray data = GlyphData(glyph);
        kept[glyph] = data;
        if (S16(data, 0) >= 0)
            continue;
        for (qsizetype at = 10;;) {
            const quint32 flags = U16(data, at);
            todo.push_back(U16(data, at + 2));
            at += 4 + ((flags & 0x1) ? 4 : 2);
            at += (flags & 0x8) ? 2 : (flags & 0x40) ? 4 : (flags & 0x80) ? 8 : 0;
            if (!(flags & 0x20) || at >= data.size())
                break;
        }
    }

    // Outlines made here have no composite glyphs: their glyphs can be numbered afresh.
    const bool compact = Glyf.isEmpty() && renumbered;
    std::vector<quint32> order;
    if (compact) {
        for (const auto& [glyph, data] : kept) {
            (*renumbered)[glyph] = quint32(order.size());
            order.push_back(glyph);
        }
    } else {
        for (quint32 glyph = 0; glyph < quint32(Glyphs); ++glyph)
            order.push_back(glyph);
    }
    const int count = int(order.size());
    QByteArray glyf, loca, hmtx;
    for (const quint32 glyph : order) {
        Put32(loca, quint32(glyf.size()));
        const auto it = kept.find(glyph);
        if (it == kept.end()) {
            Put32(hmtx, 0);
            continue;
        }
        glyf.append(WithoutInstructions(it->second));
        glyf.append(QByteArray(glyf.size() % 2, '\0'));
        const quint32 entry = std::min<quint32>(glyph, quint32(HMetrics - 1));
        Put16(hmtx, int(U16(Hmtx, 4 * qsizetype(entry))));
        Put16(hmtx, glyph < quint32(HMetrics) ? int(U16(Hmtx, 4 * qsizetype(glyph) + 2))
                                              : int(U16(Hmtx, 4 * qsizetype(HMetrics) + 2 * qsizetype(glyph - HMetrics))));
    }
    Put32(loca, quint32(glyf.size()));

    std::map<QByteArray, QByteArray> tables;
    QByteArray head = Head;
    Set32(head, 8, 0);
    Set16(head, 50, 1); // long offsets
    QByteArray hhea = Hhea;
    Set16(hhea, 34, count);
    tables["head"] = head;
    tables["hhea"] = hhea;
    tables["hmtx"] = hmtx;
    tables["loca"] = loca;
    tables["glyf"] = glyf;
    if (!Glyf.isEmpty()) {
        tables["maxp"] = Maxp;
    } else {
        // TrueType's maximum profile for outlines without instructions.
        int points = 0, contours = 0;
        for (const auto& [glyph, data] : kept) {
            const int n = S16(data, 0);
            if (n > 0) {
                contours = std::max(contours, n);
                points = std::max(points, int(U16(data, 10 + 2 * (n - 1))) + 1);
            }
        }
        QByteArray maxp;
        Put32(maxp, 0x00010000);
        Put16(maxp, count);
        Put16(maxp, points);
        Put16(maxp, contours);
        for (int field : {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0})
            Put16(maxp, field);
        tables["maxp"] = maxp;
        // Tables font tools and viewers look for, where cheap: the face's weights and widths,
        // and a glyph-name table that names none (version 3). (Its names table is left out:
        // a CJK face's runs to tens of kilobytes.)
        if (compact) {
            if (const QByteArray t = Font.fontTable("OS/2"); !t.isEmpty())
                tables["OS/2"] = t;
            if (QByteArray post = Font.fontTable("post").left(32); post.size() == 32) {
                Set32(post, 0, 0x00030000);
                tables["post"] = post;
            }
        }
    }
    return FontFile(std::move(tables));
}
